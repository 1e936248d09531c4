/* main.c 1: */
/* main.c 2: */]	... ::  M << && >  ==x	L"ws"	(  9  +=  1.5  ->->      
/* main.c 3: */.	a.*b!= ::	s.x(2), alpha_beta_gamma_delta  _asm_not   
/* main.c 4: */0x123456789+=== <=L'w' L'w' &
/* main.c 5: */ &  !	int 1e+10f  	 
/* main.c 6: */!= < 
/* main.c 7: */+=-= ; !	12L alpha_beta_gamma_delta "s" >  1.5  0; 
/* main.c 8: */+=	>  
/* main.c 9: */<= ! [  { ==    a  ; -> *  << <<=!= L'w'||  z(2)  077<<  "s"	
/* main.c 10: */ab &&  "s"+ {/ 
/* main.c 11: */x...  M .5	077	==<<= >>=123456789 ;  
/* main.c 12: *// L"ws"	-> *	~ 12L  	 123456789	12L  4e5:>=}
/* main.c 13: */a  +- 0x7fffffff	}  !defined }  -  -  Lname 
/* main.c 14: */ab 1.5	% && 9  ^=int Lname	w LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1  M	~
/* main.c 15: */%	-
/* main.c 16: */ >   !=  -> defined  >=	{ || x:'c' 
/* main.c 17: */-=1e+10f	
/* main.c 18: */ab 9! -
/* main.c 19: */ >-  -   -  -  -
/* main.c 20: */a :  ->4e5  20 
/* main.c 21: */!=M  !  ,s.x !=	alpha_beta_gamma_delta	) "s"	-- ^=Lname --	
/* main.c 22: */x077  <  < 
/* main.c 23: */
/* main.c 24: */q
/* main.c 25: */
/* main.c 26: */{  .5 9
/* main.c 27: */9 s.x  [  *  (LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1-=  		x=1;z(2)	
/* main.c 28: */M	1e+10f-  -  { ^=0 a.*b	}  12L	-->>= += ==( 4e5::	<  ; L'w'>= 
/* main.c 29: */+=  <<	! 
/* main.c 30: */+=  
/* main.c 31: */>= <<=  <<=+= int <=  ||
/* main.c 32: */ab  -- ++||	s.x <  < >=4e5  *-> / ] 
/* main.c 33: */+= 
/* main.c 34: */f(1,2)	alpha_beta_gamma_delta  /  z(2) LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1  9 1e+10f +=1234567890 M	>=  ...  <  :: -z(2) !  f(1,2) 
/* main.c 35: */1234567890	
/* main.c 36: */L'w'~ x] 9  {!=  . != 0 &
/* main.c 37: */ &0x7fffffff  x  
/* main.c 38: */9
/* main.c 39: */9&&  
/* main.c 40: */x=1; defined 0x123456789  1234567890  << 0x7fffffff  _asm_not  123456789 L"ws"  !=0x123456789 +  >  a.*b 
/* main.c 41: */x>= <<  
/* main.c 42: */123456789	x=1;  &
/* main.c 43: */ & 1u _asm_not<<=  -> *!=  ~ 4e5	<  < w
/* main.c 44: */. 077	! 0x123456789 >%	  ~   
/* main.c 45: */12L / .5  0;,	-   >>  1234567890 45 ,(	077  ;  1234567890==  + >=  
/* main.c 46: */
/* main.c 47: */q
/* main.c 48: */
/* main.c 49: */z(2)? "s"	<  x  a	;	-> * 49  }0x123456789&
/* main.c 50: */ &  0  1.5 0x7fffffff 
/* main.c 51: */x--  [	<<  >>	&
/* main.c 52: */ &x=1; 	  >= 1234567890  -
/* main.c 53: */ >&&	?  
/* main.c 54: */+=	.5  0; >  >=a.*b  -   >	 int  
/* main.c 55: */{Lname >  >=  12L >>=	12L 077		-> z(2) z(2)	>= +L'w'> Lname  .5  == >	077  077--  f(1,2)
/* main.c 56: */>>=4e5  , --  
/* main.c 57: */~  a  -
/* main.c 58: */ > 123456789 
/* main.c 59: */alpha_beta_gamma_delta 077 w	(2) ->>  )
/* main.c 60: */ab :^=1234567890  0x7fffffff	<<%	! (	defined 1.5  L"ws" (4e5  LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 
/* main.c 61: */(2)  >	<=  (  ... 	  f(1,2)	} ::	>  >= <<=a.*b	0x123456789   ==
/* main.c 62: */9 
/* main.c 63: */+={L'w'0; << 0? w	
/* main.c 64: */x.</  % ]  .5 , !=--.5 ~ 9"s" -= M!=> 	 >=	; 
/* main.c 65: */
/* main.c 66: */x  <<= 0x123456789,  -> * w M f(1,2)alpha_beta_gamma_delta .     *.5 L"ws" >=  
/* main.c 67: */w  int(	!x	1u _asm_not >>	0;  <<	;
/* main.c 68: */
/* main.c 69: */q
/* main.c 70: */
/* main.c 71: */int  += x=1;	&
/* main.c 72: */ &--	_asm_not ^= 077 += <= -- ...  0; 
/* main.c 73: */-- / 1u
/* main.c 74: */
/* main.c 75: */q
/* main.c 76: */
/* main.c 77: */-z(2) L'w' 
/* main.c 78: */+=	-> * ->	- ?  
/* main.c 79: */
/* main.c 80: */1.5
/* main.c 81: */.	'c'<<= 0	12  
/* main.c 82: */9 int alpha_beta_gamma_delta?z(2) 
/* main.c 83: */xz(2)	(  -"s" *; . Lname	^= LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1  alpha_beta_gamma_delta  <<  
/* main.c 84: */a.*b _asm_not 'c'==	1234567890 f(1,2)  >>-> !defined  . "s"  !=	a L"ws" z(2) -
/* main.c 85: */ >L"ws"	^= 0;++ >>
/* main.c 86: */
/* main.c 87: */q
/* main.c 88: */
/* main.c 89: */,1.5	1234567890	; -12L 9  &
/* main.c 90: */ &0	1 
/* main.c 91: */"s"	0x7fffffff &
/* main.c 92: */ & -> *  1e+10f !  
/* main.c 93: */ab z(2)  (2)	0x123456789>  -> * 1e+10f  defined== : int 
/* main.c 94: */ab  -=  *^=	077	
/* main.c 95: */
/* main.c 96: */x=1;  077   0x123456789
/* main.c 97: */- ]12L --  ^=  ++  ...  
/* main.c 98: */+ 1e+10f	f(1,2)} >=&&;  <<= "s"  { + 
/* main.c 99: */xs.x*  9 x	9
/* main.c 100: */9	alpha_beta_gamma_delta 1u-  -  }0  , L"ws" 
/* main.c 101: */+=  101&&  >=	 0x123456789<  < 0x123456789  
/* main.c 102: */...	>>	f(1,2)&&  ]  ;	/	defined^= 1u	1 
/* main.c 103: */w LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1+ alpha_beta_gamma_delta 	<=  1 Lname!=  /  9 L'w' ~ 
/* main.c 104: */
/* main.c 105: */q
/* main.c 106: */
/* main.c 107: */077 
/* main.c 108: */~  + 0;  1u
/* main.c 109: */+=-  -> *  
/* main.c 110: */f(1,2) > 
/* main.c 111: */x=1; ... 9 ) != <<  4e5+= >  >=	int 0; ||  
/* main.c 112: */?&& --L'w'  ] f(1,2)  == />  >=Lname	-=	> } }
/* main.c 113: */+=077 -  -077  >>  ] &
/* main.c 114: */ &0x123456789>  >=  } int ||>  >=1 s.x 12  &&	*
/* main.c 115: */
/* main.c 116: */z(2) 1234567890 -= <<=9 defined	L'w'<  < ]	1234567890  	  int   !
/* main.c 117: */s.x  ? + ^= 0;  >= 
/* main.c 118: */ab 1 _asm_not<  <  == ? ++1e+10f ==  -> *  
/* main.c 119: */w	<  <>+ . 12 "s"  0x123456789  
/* main.c 120: */>  >=	1.5  >=  L"ws" >  >=  -> * ++  ]  12L< (  ... ~ a.*b 123456789  123456789 ++ 
/* main.c 121: */f(1,2)x=1; 
/* main.c 122: */. L'w'~ +=  ::/  9 !=  >> 1 1u
/* main.c 123: */x=1; 4e5!=	<<9
/* main.c 124: */9 w 
/* main.c 125: */ab 9  -> *
/* main.c 126: */defined	-=:  { > (2) -
/* main.c 127: */ > Lname	>'c'	1u  ;<<=1u  ! 
/* main.c 128: */077-  -
/* main.c 129: */!alpha_beta_gamma_delta  a.*b  .5 !  1234567890  ,  'c'  9{ Lname! [  (2) 0x123456789  _asm_not 9
/* main.c 130: */9 
/* main.c 131: */ab
/* main.c 132: */] {	12[ s.x 12 12 1 4e5	... w	:	4e5 s.x  ->  /  -- int 
/* main.c 133: */
/* main.c 134: */ab {--
/* main.c 135: */077- 0; 135 ...:: }  LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 int 
/* main.c 136: */+=
/* main.c 137: */x_asm_not _asm_not>>=>  >= -  0x7fffffff	... !=
/* main.c 138: */f(1,2)  ::x=1;1.5	*s.x<:  x=1;Lname (2)	? <=L"ws"	-> * -
/* main.c 139: */ > Lname w int::  
/* main.c 140: */) 0x7fffffff	&& ; -   -> *==	<  <z(2) "s"]	LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 1.5  f(1,2)  ~ != - 
/* main.c 141: */12 ;    
/* main.c 142: */ab  "s"  x=1;	>>  1.5 123456789 ! w	9
/* main.c 143: */9 Lname	(2)-> * 9
/* main.c 144: */9++	:  Lname a 0x123456789/  
/* main.c 145: */x-<  < 0; *	1234567890 [   .5 9
/* main.c 146: */9 146 'c'z(2)  --  x	* -  . L"ws"  w
/* main.c 147: */w  x=1;->	!  -> *z(2) ^=++ 9
/* main.c 148: */9 
/* main.c 149: */+=  1e+10f f(1,2)  :: w  
/* main.c 150: */w	<< 
/* main.c 151: */%  &&x _asm_not  LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1}>>= .5  : 	 <<
/* main.c 152: */-> *  ...  -
/* main.c 153: */ > ... 'c'  0x123456789 0x7fffffff 4e5	&& &&  ->  x	z(2) x=1;defined  0  >  >    z(2)  +-  -  -  -	  
/* main.c 154: */x[ : 1  -=	<  <  >  >= !  .  w; +=  Lname	 >>=   
/* main.c 155: */a -> * += 'c' 0x123456789 -  -12L ; +=)	% +>  >= :  0x123456789  ,  
/* main.c 156: */
/* main.c 157: */q
/* main.c 158: */
/* main.c 159: */++	9  f(1,2)  + _asm_not {</ Lname  >  >=  >=	123456789 _asm_not  int  _asm_not  
/* main.c 160: */ab
/* main.c 161: */... 4e5 <<= [	>>=L"ws" <<=12 a != +  >  077 w	>>= >>= --  1e+10f <  >>= . ++ 
/* main.c 162: */*! 12L  
/* main.c 163: */x .5 ++ :  [	-
/* main.c 164: */ >	 >=  >>&&
/* main.c 165: */!=LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1	0x123456789 <=  )	0x123456789 
/* main.c 166: */
/* main.c 167: */L'w'||	s.x ++ Lname L"ws"* 4e5 -
/* main.c 168: */ > 077	] 
/* main.c 169: */>  >= <<=	>	-
/* main.c 170: */ >	z(2)  --"s" +=~  170 !alpha_beta_gamma_delta  />>  ~ 077	[	9|| 
/* main.c 171: */~  ;  1u a.*b~>>=  z(2);		-=	+= a	defined<<=<<x=1;  - ;	-> 
/* main.c 172: */123456789  ||  L"ws"  . +=	
/* main.c 173: */4e5 a 1e+10f&
/* main.c 174: */ & )&
/* main.c 175: */ &	[  z(2)>  ++ w  defined	w == w<=  1e+10f	!	defined 'c'	>>= s.x>=  != 
/* main.c 176: */9
/* main.c 177: */9? 0x123456789  ~ Lname  ] (  )&
/* main.c 178: */ &+  != <=  077 &&
/* main.c 179: */ab<= !=  ,0x7fffffff 
/* main.c 180: */^=	f(1,2) , 1234567890>= > *		  L"ws"{	1u<<=...	>  >=  1234567890-	? 123456789  ^= LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1  --  f(1,2)-=  
/* main.c 181: */
/* main.c 182: */>>	1.5 077 ! x 0x123456789 ...  &
/* main.c 183: */ & ,	<  <-> *	077	0;	
/* main.c 184: */1234567890  -=077 1e+10f  L"ws"  ( 12L ]Lname != 123456789 a.*b ; alpha_beta_gamma_delta ~ f(1,2) -	/  x||/  4e5 
/* main.c 185: */0x123456789 z(2)
/* main.c 186: */> 4e5 -> *9
/* main.c 187: */9  <<
/* main.c 188: */
/* main.c 189: */z(2))==LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 L"ws"	
/* main.c 190: */ab 1u x -  -  "s" ?LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1	1u<= ... ,- x=1;	--1234567890 9
/* main.c 191: */9 a   
/* main.c 192: */
/* main.c 193: */+= a.*b w  9 >>  ) .5 193 1.5 { }? 0x123456789 &&  'c'1234567890 
/* main.c 194: */
/* main.c 195: */ab 
/* main.c 196: */^= ~  	<	&&  &
/* main.c 197: */ & x 1	(	z(2)  4e5 .<  */  ,  !=LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 !  int 12L  9  z(2)_asm_not 
/* main.c 198: */x<=.5(	123456789)
/* main.c 199: */+=	1u L'w' (	.5  077 _asm_not  1234567890  != ;>	^=  L'w' x=1; 12	L'w'  
/* main.c 200: */12L -> &&:: ::<< <int  0  L'w'x [ 
/* main.c 201: */>/  !  
/* main.c 202: */1234567890  ~	>  >=+x  int	L"ws" && f(1,2)  +x	[  -> * Lname [	Lname -> ) w 202
/* main.c 203: */> 
/* main.c 204: */0; 9 <=_asm_not 4e5 <= 
/* main.c 205: */+= f(1,2)z(2) L'w' -> *	
/* main.c 206: */
/* main.c 207: */>  >="s" >  ] ... x ?	>= +  077 ++
/* main.c 208: */ab 0  *	.5	
/* main.c 209: */
/* main.c 210: */q
/* main.c 211: */
/* main.c 212: */12L	  f(1,2)  &
/* main.c 213: */ &>=  >=  %  ~ -=L'w' 	-  ^= >  >=... 077 -> * - defined	a.*b 
/* main.c 214: */defined ~ z(2)* >  >= += -= ~ a.*b 
/* main.c 215: */)/ 1.5  defined >	++  ~ L"ws" ...  
/* main.c 216: */w ==defined  ] w  
/* main.c 217: */x<< -  - %"s"  ->  * [  
/* main.c 218: */
/* main.c 219: */>>=  
/* main.c 220: */x L'w' (2) 
/* main.c 221: */ab [  s.x! 12 
/* main.c 222: */+=	222 || 
/* main.c 223: */
/* main.c 224: */q
/* main.c 225: */
/* main.c 226: */-  -	? % -0;}	L'w' x=1;
/* main.c 227: */--	---  12L + 9 L"ws"	:	 :  L"ws" a.*b -  -^=   
/* main.c 228: */077  
/* main.c 229: */x>=-><< ~int:	||  
/* main.c 230: */
/* main.c 231: */q
/* main.c 232: */
/* main.c 233: */-> .5	  		12	12L w alpha_beta_gamma_delta  } . 12L  -
/* main.c 234: */ >a.*b 1.5	(2) 
/* main.c 235: */
/* main.c 236: */q
/* main.c 237: */
/* main.c 238: */1234567890  s.x  12 0x123456789 , 
/* main.c 239: */
/* main.c 240: */q
/* main.c 241: */
/* main.c 242: */~  int[ (2)
/* main.c 243: */>=	f(1,2)  9  	
/* main.c 244: */xLONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 12L  == / +++= (2) --=  1e+10f /::	_asm_not  ;9
/* main.c 245: */9  1234567890  L'w'	(2) ? >== <=>
/* main.c 246: */
/* main.c 247: */q
/* main.c 248: */
/* main.c 249: */[  <= .  ;	1234567890  alpha_beta_gamma_delta --==  a alpha_beta_gamma_delta+ %<<=&& ~  ->  12  249-  - 
/* main.c 250: */x>>1 _asm_not %  12L/	 ==  
/* main.c 251: */12L	12 "s"  ^=  0	?  ++	>=	a  (  077-  0 0;  
/* main.c 252: */
/* main.c 253: *//  ]	.<< !=  <<= L"ws" += && ->  alpha_beta_gamma_delta  -> *	-  -077 ... alpha_beta_gamma_delta defined  defined<=  .	"s"
/* main.c 254: */1234567890/	LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1  % +=	-- *  0	
/* main.c 255: */1u 1234567890  ]	< a -> *  <  <	1u++  }  x=1; ;  
/* main.c 256: */:: "s"[ }
/* main.c 257: */ab!=:	   ::: 1234567890  "s" >>	>  x  
/* main.c 258: */
/* main.c 259: */, >=a.*b 0x7fffffff  !=  0;>>/ 077	>  >= int 12 'c'  >  >=	% 
/* main.c 260: */?  :0;"s"0  <	12L  <  < L"ws" 9
/* main.c 261: */9  [>>	0+*>>  -  -0x123456789  ~ 
/* main.c 262: */
/* main.c 263: */q
/* main.c 264: */
/* main.c 265: */L"ws" ::  <=	++ { >>=12L  { 
/* main.c 266: */)	<  >> << 
/* main.c 267: */-  -	L'w'  -=	^=
/* main.c 268: */-=  Lname { 
/* main.c 269: */) -  -	
/* main.c 270: */ab<  <&&  -  -  ==	* >9
/* main.c 271: */9 1.5  == ;	9++^=	a "s" 0  
/* main.c 272: */
/* main.c 273: */+=   
/* main.c 274: */}{	>> f(1,2) ||&&-> *  0x123456789   ( 1e+10f  12 9 , &
/* main.c 275: */ &{  %  ||]	x 0;  0x123456789 
/* main.c 276: */:	Lname  276  : 1234567890 .< 
/* main.c 277: */
/* main.c 278: */q
/* main.c 279: */
/* main.c 280: */. w 1e+10f !=  0x7fffffff  
/* main.c 281: */0x123456789 x=1;;   0x123456789 ?  alpha_beta_gamma_delta 123456789	1e+10f 12 == +  <<  
/* main.c 282: */
/* main.c 283: */q
/* main.c 284: */
/* main.c 285: */!  -	+_asm_not>>.	s.x	285 LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 L"ws"  <  < --  &
/* main.c 286: */ &-
/* main.c 287: */ >L"ws"  f(1,2)  <<1u 1< -
/* main.c 288: */ >  
/* main.c 289: */ ==  :+=123456789 >>= a L'w'9 0;x L"ws"1.5 ? .5
/* main.c 290: */a.*b  1e+10f 1.5  0  
/* main.c 291: */ab * 12L	(  
/* main.c 292: */x-=(2)  	 9  .5	* 12  
/* main.c 293: */1.5  || %&
/* main.c 294: */ & -=  &
/* main.c 295: */ & 
/* main.c 296: */ab  defined(2)	&
/* main.c 297: */ &  :	s.x x=1; &
/* main.c 298: */ &  
/* main.c 299: */xalpha_beta_gamma_delta:: 
/* main.c 300: */'c'	a += "s"LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 9
/* main.c 301: */9	-=  123456789  ! 
/* main.c 302: */<<= 077 *  x=1; (2)  >>= :	_asm_not  , 1.5 LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1	<   <<	x  
/* main.c 303: */x<<=  .5  -  ,-
/* main.c 304: */ > 
/* main.c 305: */x=1;a!=	-  -	<<=	1u 12	"s"	-
/* main.c 306: */L"ws"  4e5 .!=_asm_not -  -  ==-> *  ; . -> *  << 
/* main.c 307: */
/* main.c 308: */q
/* main.c 309: */
/* main.c 310: */x  alpha_beta_gamma_delta  >  >= 12	:  / 077	
/* main.c 311: */x-123456789 ^=* >   1u [4e5 9
/* main.c 312: */9  12L ~  ==+=  
/* main.c 313: */:  !  s.x  x 0x7fffffff	a.*b 'c' . /  <<= 1.5 
/* main.c 314: */.5  1.5	-- z(2) 
/* main.c 315: */++ ^=!  LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 ;
/* main.c 316: */_asm_not	f(1,2) :	[  ==&
/* main.c 317: */ & w 
/* main.c 318: */+=  !  ! int	  	>  >=318	-> *	1.5  9
/* main.c 319: */9 ::  -> *  
/* main.c 320: */
/* main.c 321: */L'w' >>=>=	1u +  
/* main.c 322: */L'w'  		s.x x	'c' -= :: 1234567890   077 -  
/* main.c 323: */
/* main.c 324: */q
/* main.c 325: */
/* main.c 326: */z(2) / <  < (2)++ x=1; :: z(2) -=  <<=  326 a.*b >=	1e+10f  ++ -
/* main.c 327: */ >  123456789  "s"  int L'w'	<  <0;	
/* main.c 328: */xz(2)  .--
/* main.c 329: */+= ]  >>  }==	
/* main.c 330: */, || 4e5 s.x  9
/* main.c 331: */9  .;Lname  , 1.5	L"ws":   
/* main.c 332: */)<<=  
/* main.c 333: */>>=	  !-  x=1;	==  L'w'
/* main.c 334: */
/* main.c 335: */~  >>=  
/* main.c 336: */int 0x7fffffff	"s"_asm_not	1234567890 12>>=	-> *	
/* main.c 337: */>>  ) s.x? Lname	->&
/* main.c 338: */ &	>  >= f(1,2) <=-= -- <<=  *  1.5 LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 ] >>= %] -  -	s.x 
/* main.c 339: */<=  <<=  
/* main.c 340: */w -=  }-
/* main.c 341: */ > -
/* main.c 342: */ >	/   ~0x7fffffff  1.5	f(1,2)<<=  &&9  &
/* main.c 343: */ &LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1  - 343  
/* main.c 344: */x
/* main.c 345: */* 9-> *
/* main.c 346: */ab 1e+10f||  &
/* main.c 347: */ &  -
/* main.c 348: */ ><  <	
/* main.c 349: */ ==a.*b 1e+10f LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1~  <  < 12 >  <  <	-  - } s.x	L"ws" x  
/* main.c 350: */4e5 1234567890  :-=  [ 0;  	s.x  - )  
/* main.c 351: */
/* main.c 352: */'c' 
/* main.c 353: */
/* main.c 354: */q
/* main.c 355: */
/* main.c 356: */: ||  <<=<<=  
/* main.c 357: */<  <  1 
/* main.c 358: */L"ws"  Lname	&&	int 1e+10f -  _asm_not LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1	LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 a.*b  >  )- L'w' 0x7fffffff ==
/* main.c 359: */...  ::  1e+10f  
/* main.c 360: */alpha_beta_gamma_delta  ,	-==1234567890	077  ;	!	x ==  
/* main.c 361: */
/* main.c 362: */q
/* main.c 363: */
/* main.c 364: */w "s"	-= 
/* main.c 365: */x+=   << -
/* main.c 366: */ >-- 12L	a ;  ) +1u	0x7fffffff<  [  12L  %^= Lname 
/* main.c 367: */++ 123456789 ,1234567890> w 
/* main.c 368: */-%  +	&&  a.*b  >>1   { -> *  &&	++ /  --^= 
/* main.c 369: */%  +=  "s" 1u L"ws"  ==		&
/* main.c 370: */ &int!= 
/* main.c 371: */ab  ++ ==  	  {, 
/* main.c 372: */+= 
/* main.c 373: */-> *L"ws"&& int
/* main.c 374: */-<<  0x7fffffff  12  1 
/* main.c 375: */ab z(2)  x=1; >>=  -> * 
/* main.c 376: */! 
/* main.c 377: */ab
/* main.c 378: */!=	>>= L"ws" a .  123456789 &&  
/* main.c 379: */
/* main.c 380: */q
/* main.c 381: */
/* main.c 382: */
/* main.c 383: */ab 9 4e5 0x7fffffff w 12	-=12 < >>=	f(1,2) 	 w
/* main.c 384: *//_asm_not -=1  -  [ 'c'>=	
/* main.c 385: */xalpha_beta_gamma_delta  ( 12L< 1234567890  << ++ }  4e5++
/* main.c 386: */ab>  >=  <  <L"ws" 
/* main.c 387: */s.x 1e+10f  <  <  0x123456789  
/* main.c 388: */ab &&<< L"ws" x 1; 
/* main.c 389: */ab<  <= . 1234567890 9 
/* main.c 390: */<<= ! % +=	1.5 >  >= <= LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 .5 1234567890<<=!  
/* main.c 391: */
/* main.c 392: */ ==1.5 (	>>z(2) 12  
/* main.c 393: */"s" 
/* main.c 394: */[ -  - /	9
/* main.c 395: */9 077  [  ,  >=.5 ?1234567890{	
/* main.c 396: */ab < 	 >> &&::==  -
/* main.c 397: */ >'c' --  
/* main.c 398: */-> *a.*b 0;	:: --	077 
/* main.c 399: */ab  x 1.5 != )	-- f(1,2) 
/* main.c 400: */
/* main.c 401: */q
/* main.c 402: */
/* main.c 403: */!		>>=403 w  >9
/* main.c 404: */9, 1u _asm_not&
/* main.c 405: */ &	   
/* main.c 406: */Lname < 
/* main.c 407: */
/* main.c 408: */12L'c' 
/* main.c 409: */Lname -  -  [ 0x7fffffff w .5 
/* main.c 410: */
/* main.c 411: */-> }^= 1e+10f	>=	^=	]  <<=	]-=
/* main.c 412: */<  < ( 077  12L L'w' >	.,L"ws"  1234567890 
/* main.c 413: */
/* main.c 414: */^= w &
/* main.c 415: */ &  9 <  < --  415  (	_asm_not Lname 12 [ + :  w	<<=  -> 
/* main.c 416: */xx  (2)
/* main.c 417: */^=++0;  L'w'  1e+10f w  } a.*b}
/* main.c 418: */
/* main.c 419: */q
/* main.c 420: */
/* main.c 421: */0;  <=	-
/* main.c 422: */ >  int* -=	;  12L <=  / --	+ (  x=1; ^=	'c'  422 
/* main.c 423: */, int 9 s.x x=1;	
/* main.c 424: */+= !=  1e+10f+=  s.x/  L'w' [  %  z(2)+  defined 
/* main.c 425: */>= .5?	L"ws" <= -- LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1  
/* main.c 426: */ab	<=  x -   -- , _asm_not 0x7fffffff	 1u	~ a.*b-  - 12  < 9
/* main.c 427: */9	
/* main.c 428: */1u &&	alpha_beta_gamma_delta defined 4e5  defined :  'c' += >= ||12  1	-  - 
/* main.c 429: */z(2)  [  <	:  ) 
/* main.c 430: */+= 077  ...	&
/* main.c 431: */ & <alpha_beta_gamma_delta  &
/* main.c 432: */ & alpha_beta_gamma_delta 'c'  1.5 ::	 
/* main.c 433: */. 1.5	>>=	
/* main.c 434: */
/* main.c 435: */1234567890 x=1; >=	} &&!  ! 12L  alpha_beta_gamma_delta  ] ^= <<|| s.x 
/* main.c 436: */ab	
/* main.c 437: */x)  
/* main.c 438: */<<  +=? + >>=  <  <0;	&
/* main.c 439: */ & int <<( -> * 4e5 ?  
/* main.c 440: */-> * -> *  ~ 1e+10f<<=  s.x  9 0  ::  'c' LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1  ... [ 
/* main.c 441: */^=  alpha_beta_gamma_delta w%1234567890 9
/* main.c 442: */9+=~  >>=9
/* main.c 443: */9  ++  -  - 12  int  4e5 -  -  -  -  
/* main.c 444: */1.5 12L 9 : += <<  : Lname defined  -= 1234567890	... -  -> >=	1e+10f? 1234567890 
/* main.c 445: */xM 123456789 ;  
/* main.c 446: */!--  ...,	<=	&& 	-
/* main.c 447: */ >	0; !=,	<<=int 1e+10f  defined~; ] -> *: 
/* main.c 448: */"s"  , -> *  LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1  "s" -> *	 	 ++Lname f(1,2)  ?  
/* main.c 449: */ab	1.5 ||
/* main.c 450: */1	w  
/* main.c 451: */
/* main.c 452: */
/* main.c 453: */q
/* main.c 454: */
/* main.c 455: */0;	1234567890 455 <<=alpha_beta_gamma_delta* >>
/* main.c 456: */+=	1e+10f 0;  -
/* main.c 457: */ >  >  >=!457  
/* main.c 458: */z(2)077::  x  9
/* main.c 459: */9 L"ws"  123456789 9]  %}	<  << <	
/* main.c 460: */ab	! 1234567890 *	) 0x7fffffff 
/* main.c 461: */L'w' (  >=12L  ^= += >>
/* main.c 462: */
/* main.c 463: */>=  9 0x7fffffff::12  ] -4e5 L"ws">  >= w  >>= ^=f(1,2) >>=4e5  w	]->  _asm_not	<<  
/* main.c 464: */
/* main.c 465: */"s" / <=  f(1,2)  + {  9
/* main.c 466: */9
/* main.c 467: */w  
/* main.c 468: */&
/* main.c 469: */ &  1++ "s" 
/* main.c 470: */+= <=12  
/* main.c 471: */a	(
/* main.c 472: */.>(2)
/* main.c 473: */
/* main.c 474: */12L  ]  &
/* main.c 475: */ & >=	-
/* main.c 476: */ > 'c' a.*b  >=  <&&
/* main.c 477: */
/* main.c 478: */q
/* main.c 479: */
/* main.c 480: */>  >=	
/* main.c 481: */x(2)&
/* main.c 482: */ & LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1-
/* main.c 483: */ >  ==  1234567890>	+ /  <  <	483  a 1e+10f 
/* main.c 484: */>>=  f(1,2)  <<= int 0  ) s.x 0x7fffffff	0
/* main.c 485: */
/* main.c 486: */+=&&486 4e5  L'w'	<<=/
/* main.c 487: */
/* main.c 488: */q
/* main.c 489: */
/* main.c 490: */"s"<  <  *  ! (2)	 [ ||  ||	
/* main.c 491: */
/* main.c 492: */q
/* main.c 493: */
/* main.c 494: */++	494	
/* main.c 495: */+= 1.5  w "s"  ++ 
/* main.c 496: */ab->[ ->	&
/* main.c 497: */ & >=	Lname -> * 
/* main.c 498: */x1234567890 :: [>>int  
/* main.c 499: */] -> *  : > ;  0; [== 
/* main.c 500: */ab ~ w >=  * 077 L'w' ++  0>= && >= 1u 500	_asm_not 0x123456789 
/* main.c 501: */+=  	 1234567890  LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1	? }  -
/* main.c 502: */ > 12 alpha_beta_gamma_delta 
/* main.c 503: */
/* main.c 504: */q
/* main.c 505: */
/* main.c 506: */-
/* main.c 507: */ >1u  0  , ! 
/* main.c 508: */ == <defined<  <  "s"	<  <  1e+10f ||	 
/* main.c 509: */?  ]1234567890  		{)  ->	"s"	int  (2) 1.5&& 
/* main.c 510: */xL 'w'  
/* main.c 511: */L'w'	Lname a.*b  
/* main.c 512: */0; <<  L"ws"  
/* main.c 513: */
/* main.c 514: */q
/* main.c 515: */
/* main.c 516: */->  +=	?(2) defined  L"ws".5	+=>>=  &
/* main.c 517: */ & {  <= -	/  
/* main.c 518: */^= 9;	[  a.*b  123456789 z(2) 1e+10f	0x7fffffff x _asm_not 0x7fffffff s.x -=  -- -  -9
/* main.c 519: */9  >>  !  Lname<  <  
/* main.c 520: */{; (2)-=;.5 <<	/z(2)  
/* main.c 521: */>= 0x7fffffff{	LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1>>(  z(2)  0 <<=  ::.5  alpha_beta_gamma_delta 
/* main.c 522: */ab 077  1u 
/* main.c 523: */
/* main.c 524: */q
/* main.c 525: */
/* main.c 526: */Lname  x=1;a.*b	12L)  
/* main.c 527: */
/* main.c 528: */x* --  >>=  -> *&& -- >-  - )1234567890  && LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 ->  1-> * 0x123456789 <=12L  
/* main.c 529: */12L  ::  || >  >= f(1,2)	*	x	L"ws"  (2)>>=  'c' -= >>0; /  
/* main.c 530: */.5  12	
/* main.c 531: */
/* main.c 532: */q
/* main.c 533: */
/* main.c 534: */<a	f(1,2)L"ws" -
/* main.c 535: */ >> >=? ... 
/* main.c 536: */
/* main.c 537: */q
/* main.c 538: */
/* main.c 539: */]	.5 LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1	LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 12L  ^= 12L	
/* main.c 540: */ab  
/* main.c 541: */
/* main.c 542: */q
/* main.c 543: */
/* main.c 544: */<  < && 1u 1234567890  12  123456789-> *  s.x 544"s" w . 9  1.5<<= a.*b 12  >=== <  < 
/* main.c 545: *//	L"ws"	) % 0x7fffffff  	
/* main.c 546: */x9  1 0 . 0 	(2)  s.x!= -> } 077 .	)  >  >=  0 a
/* main.c 547: */) 12  12 1e+10f	(2)077 ; f(1,2)	>  >===>>= / ^= &
/* main.c 548: */ &  %	; {  f(1,2)	/-> 1e+10f x	
/* main.c 549: */0x7fffffff  0x123456789 4e5 defined 0;  1u  L'w'	12  ,; / 
/* main.c 550: */
/* main.c 551: */q
/* main.c 552: */
/* main.c 553: */1e+10f	9
/* main.c 554: */9 w	_asm_not >  >= -- <=int 123456789  alpha_beta_gamma_delta	L"ws"  += ,  ~  
/* main.c 555: */ab  -  -	+=  0x7fffffff alpha_beta_gamma_delta -=<< 
/* main.c 556: */x!  >>  == 
/* main.c 557: *//	 == LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 . >>= 123456789	
/* main.c 558: */+=  && <  < LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1<< -- <  <  defined ?* 
/* main.c 559: */)  -> *	; ^=.5  L"ws"	
/* main.c 560: */
/* main.c 561: */] (  0x7fffffff == -=->x=1; &&	>>=	;	0x123456789 
/* main.c 562: */ab{  1234567890'c'  LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 [	-> 1	
/* main.c 563: */
/* main.c 564: */q
/* main.c 565: */
/* main.c 566: */alpha_beta_gamma_delta w  123456789 x=1;  >  12 .  s.x   
/* main.c 567: */ab+ LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1	
/* main.c 568: */
/* main.c 569: */+   +		  "s" ]  ; +=% 0x123456789	9 ;0; >> -  int  
/* main.c 570: */
/* main.c 571: */x(%x=1;  077 .   *	> ||  -> * 0; ] int  
/* main.c 572: */>> <<=    12 
/* main.c 573: */
/* main.c 574: */q
/* main.c 575: */
/* main.c 576: */-= ( _asm_not  -=	s.x	w [  ( (  a.*b  >>,  ... 9
/* main.c 577: */9 9
/* main.c 578: */9 +=)	x -  - 123456789  
/* main.c 579: */12 "s"123456789  "s"z(2)	defined ...  
/* main.c 580: */+= s.x  1  
/* main.c 581: */
/* main.c 582: */q
/* main.c 583: */
/* main.c 584: */0;  9 alpha_beta_gamma_delta  0x123456789 int+=  9
/* main.c 585: */9
/* main.c 586: */
/* main.c 587: */;- (  Lname 
/* main.c 588: */
/* main.c 589: */+=
/* main.c 590: */
/* main.c 591: */f(1,2)  9 a.*b a ++12L : &&	0x123456789> (2) 123456789;  s.x	0x123456789{  &
/* main.c 592: */ & } 	)  	} 
/* main.c 593: */>>  ::	12L w a  ... 0x7fffffff z(2) 123456789{	L'w'  -= 
/* main.c 594: */!( 
/* main.c 595: */+=
/* main.c 596: */12L * x /1234567890 %  1.5  
/* main.c 597: */L'w' . 0x123456789  ...  :: >>  &
/* main.c 598: */ & 123456789  ==--	x=1; 0;;  ]	a ! 1u  (2) 
/* main.c 599: */x>	x=1;	9
/* main.c 600: */9/ 1e+10f 9 .5 <<x=1;  += f(1,2)-- ==0x7fffffff 1 L'w' 0x123456789 LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 1e+10f	!= 9
/* main.c 601: */9  077  
/* main.c 602: */602 9
/* main.c 603: */9  1e+10f(2)&&  && a  1.5||  -> *  0;  &
/* main.c 604: */ & ++ int  * ( 1.5 0	1 {  ||  ->-=	
/* main.c 605: */"s" <= )-
/* main.c 606: */ >_asm_not&
/* main.c 607: */ & <=  
/* main.c 608: */
/* main.c 609: */q
/* main.c 610: */
/* main.c 611: */611  9  -> *  || 
/* main.c 612: */x=1; >=  123456789	{	.<<=  'c' s.x  -
/* main.c 613: */ > 1e+10f? 123456789  } w ...+=1u f(1,2) >  >= 0x7fffffff  
/* main.c 614: */+= ~123456789 077 
/* main.c 615: */xx	a.*b . 12 ~>=	||  >>  f(1,2)  w -	{  z(2)  "s" alpha_beta_gamma_delta  >>= z(2)  
/* main.c 616: */
/* main.c 617: */0
/* main.c 618: */
/* main.c 619: */^= 619  <<  >=<  <  } }  L'w' >  >=  z(2)"s" ,  0x123456789  += ~
/* main.c 620: */+; "s"}	<<= w [<<=  
/* main.c 621: */} 		 ^= w  int >>= (2)1 
/* main.c 622: */x >=&
/* main.c 623: */ & 12 || 0x123456789! != 
/* main.c 624: */z(2)  
/* main.c 625: */~  ~  Lname ! % &&	a.*b  >	&&
/* main.c 626: */x=1;  ->  
/* main.c 627: */--  != 0x7fffffff; s.x>> alpha_beta_gamma_delta  > ? !=[ ->  077  [-  -{ 12L 9  _asm_not  
/* main.c 628: */x<=  -- 9  
/* main.c 629: */x(  ==^=  123456789 
/* main.c 630: */%Lname  0 0x123456789 ... LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 {  9
/* main.c 631: */9 x=1;alpha_beta_gamma_delta 12L 
/* main.c 632: */
/* main.c 633: */q
/* main.c 634: */
/* main.c 635: */,}, ... >>=  1e+10f 
/* main.c 636: */
/* main.c 637: */q
/* main.c 638: */
/* main.c 639: */-> *>>  . (2) 123456789 (  0x123456789 -- %...	 
/* main.c 640: */z(2)  4e5  a.*b  s.x !  ||  >= ] a.*b  0x123456789  .  !  .  0x123456789 Lname 
/* main.c 641: */} %	Lname 1234567890 ! *w 1u  		)x  ; L"ws"!=	
/* main.c 642: */
/* main.c 643: */^= w 12 ... /  
/* main.c 644: */%  
/* main.c 645: */ab	0;  1e+10f-
/* main.c 646: */ > LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1+ ::  646  < )12  9
/* main.c 647: */9*int)  12  *  4e5  _asm_not  
/* main.c 648: */
/* main.c 649: */077 ~<=1234567890 123456789 649 f(1,2)	...  1u _asm_not  w --   
/* main.c 650: */0x123456789 L"ws" ->--	12L	.5 1u->	  _asm_not  
/* main.c 651: */ab (2)  ...  -  - 12 L"ws" -= ...  ;_asm_not 1 
/* main.c 652: */ab
/* main.c 653: */1 
/* main.c 654: */} ^=  ->  
/* main.c 655: */w:: 0x7fffffff	9
/* main.c 656: */9  
/* main.c 657: */
/* main.c 658: */q
/* main.c 659: */
/* main.c 660: */-> *.5 -= -> !	1234567890 0x7fffffff	12 
/* main.c 661: */x=1; 077	  defined a  12--  &&  
/* main.c 662: */- ? <  <  ||  -
/* main.c 663: */ >	123456789;  f(1,2)  s.x	+"s"s.x a<<= +=	1  ] 1234567890  
/* main.c 664: */0x123456789 4e5 a.*b -
/* main.c 665: */ >	}x 
/* main.c 666: */
/* main.c 667: */>>=  (>  >= 1u	
/* main.c 668: */ab  -> * 
/* main.c 669: */
/* main.c 670: */q
/* main.c 671: */
/* main.c 672: */,  
/* main.c 673: */Lname .  
/* main.c 674: */
/* main.c 675: */&&<  </	
/* main.c 676: */+=12L-  a.*b  . 1234567890-  -   -
/* main.c 677: */ >  'c'0x7fffffff f(1,2)  x -=[  
/* main.c 678: */a	:	 :  _asm_not 0 
/* main.c 679: */ab  
/* main.c 680: */>=  +=  f(1,2) ?	12<  < [ - }  0x123456789 ...  ]  ++  +  >>=<=+  (2)] >>=  ++
/* main.c 681: */)  .  -  681  < -=  
/* main.c 682: */L"ws":: (   
/* main.c 683: */z(2)'c'0;	int :: * ;  ] :  { == 
/* main.c 684: */--  077	- 12L/  077 ?	a	L"ws"->+ -
/* main.c 685: */ >  LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1  !; 
/* main.c 686: */defined 1e+10f  /  >. &
/* main.c 687: */ & +>=	123456789 || +9
/* main.c 688: */9  <  == 
/* main.c 689: */==[  -++ 
/* main.c 690: */
/* main.c 691: */1.5 [+   +++  
/* main.c 692: */
/* main.c 693: */q
/* main.c 694: */
/* main.c 695: */>>= ... 123456789  
/* main.c 696: */;  +=  0x7fffffff	123456789 9 int 1e+10f  <= 12 .5} .5  ~  -> * . _asm_not !	
/* main.c 697: */^=9
/* main.c 698: */9 -  - 12  1234567890  		1u  ! "s"<  < ]	1234567890  1234567890 077  } >=	<  <++ 'c'  ~ 
/* main.c 699: */
/* main.c 700: */== x  w  _asm_not	[  && 1u 12L ]  w  'c' 0x7fffffff 0x7fffffff}a.*b  ]  >  >= f(1,2) +	>>=&
/* main.c 701: */ &  defined 0 
/* main.c 702: */-  -  
/* main.c 703: */Lname  >=  703  ^= <<=( L'w's.x  ; <  <<<=:+= (2)  ; 0 1  L'w'  z(2)  
/* main.c 704: */x>>= 	x=1;	+= 0x7fffffff  -  - int ~  0x123456789  0;	L'w'<  <, { += f(1,2)  9
/* main.c 705: */9  9
/* main.c 706: */9 s.x 
/* main.c 707: */a	*9
/* main.c 708: */9  L"ws" 708	9  0x123456789 _asm_not >= alpha_beta_gamma_delta 
/* main.c 709: */+=<	LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 =='c' :	
/* main.c 710: */ab  9 w LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1  +  12L
/* main.c 711: */!=  ++  a+=}-  - f(1,2)  + -=>=  1.5  'c':: 711&
/* main.c 712: */ & ++ % a.*b  [  ^=	1234567890  
/* main.c 713: */x-=	/  <=	0x123456789 --"s"+= a _asm_not 
/* main.c 714: */+=  714	--	/ 
/* main.c 715: */++ >  >=  w  
/* main.c 716: */716 
/* main.c 717: */ab !=  Lname!= > }1234567890  &&&
/* main.c 718: */ &	<  <
/* main.c 719: */x<=<< alpha_beta_gamma_delta 0x123456789^= 
/* main.c 720: */<  int 
/* main.c 721: */ab _asm_not w!=123456789  "s" a.*b, -> * (2)	-=+ 
/* main.c 722: */~ 'c' ~ w 9	Lname x=1;  12L  
/* main.c 723: */a.*b <  
/* main.c 724: */!=  >>	z(2) int 
/* main.c 725: */ab  <<>> x:  
/* main.c 726: */L'w'defined defined
/* main.c 727: */0;	
/* main.c 728: */+=  L"ws"  >>int-  -  ==  12L  &
/* main.c 729: */ & 1234567890	++	?	{  
/* main.c 730: */-> *	a.*b L'w'0; :: 
/* main.c 731: */+=	>> : 1e+10f	12  
/* main.c 732: */<  < L'w'< 1u L"ws"  ! ;  +   ++  LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1:. LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 
/* main.c 733: */<0x7fffffff 4e5 ; !733<=  !  w  <  <int	1u }	1.5 "s"  0x123456789  )  -> *	a.*b .
/* main.c 734: */-  >z(2)
/* main.c 735: */+=  
/* main.c 736: */^= :>%	-
/* main.c 737: */ >	/>  >= 12 f(1,2)<  12L ~ (2)  ~  ...  &
/* main.c 738: */ &  1e+10f Lname &&  >  
/* main.c 739: */a.*b 9
/* main.c 740: */9 9 ::  'c'-> >= >>=  ? ||0x123456789 9
/* main.c 741: */9 
/* main.c 742: */
/* main.c 743: */||  ? 1e+10f (2)  <  >>= ->  w  == 
/* main.c 744: */ab  744  [ /  f(1,2)  'c' (2) 123456789 %---
/* main.c 745: */ >	9f(1,2)  
/* main.c 746: */~ [^=  
/* main.c 747: */_asm_not  'c'  defined >	123456789]  
/* main.c 748: */ab int >>  >>  ;  )  [	>  >=  ) ->  ~ a  -   ==L'w'-  -  .5 .5  
/* main.c 749: */>>= <= -  -::  ~>>  -> ^=		?a.*b++&&L'w'<< 1u  
/* main.c 750: */
/* main.c 751: */* 1.5 -=1.5
/* main.c 752: */+= ~  -  -+=++ < +=  >= 12L	0 "s" 12  077  9||  +=	&
/* main.c 753: */ &  ^=  
/* main.c 754: */*  LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 
/* main.c 755: */ab {  (2)_asm_not  077-=  <<= ||.  <= ] >>  -> *	
/* main.c 756: */9
/* main.c 757: */9>=  4e5  -=	==_asm_not >>f(1,2)  (2) 9  +  a.*b f(1,2)!= w>= -> * 
/* main.c 758: */*int++ --	{ 1.5 123456789 0;:  ;  a
/* main.c 759: */x>  >= && LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1  
/* main.c 760: */+=12L }  Lname 12L -
/* main.c 761: */ >|| /1
/* main.c 762: */+=  <<  0>  >= 0x7fffffff&
/* main.c 763: */ & 'c'!= )  12  , 
/* main.c 764: */
/* main.c 765: */q
/* main.c 766: */
/* main.c 767: */123456789	!= )
/* main.c 768: */
/* main.c 769: */
/* main.c 770: */q
/* main.c 771: */
/* main.c 772: */<  < (123456789  ,772   
/* main.c 773: */-  - .(2)]  773
/* main.c 774: */+=  ~	+=--	
/* main.c 775: */
/* main.c 776: */q
/* main.c 777: */
/* main.c 778: */'c'  4e5 ]	::  : { (2)  :  <  <	}w^= :1.5 -1u  .(2)  >=	a ... s.x  
/* main.c 779: */xdefined s.x  -  a.*b 9
/* main.c 780: */9-
/* main.c 781: */ >  % * &
/* main.c 782: */ &!||  :1.5 >>=  (	;  >=	1234567890	0 
/* main.c 783: */
/* main.c 784: */a <<	.<  < {1234567890 &
/* main.c 785: */ &  -> * 'c' 9  ><	1e+10f
/* main.c 786: */
/* main.c 787: */ab 4e5	> LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 ... :  ++  /  x f(1,2) && LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 123456789	>  >=	12 1.5  ! ||	"s"  123456789  
/* main.c 788: */} 9
/* main.c 789: */9 4e5 (2)	(2)  0x123456789	
/* main.c 790: */->"s"  ;  ]  ! Lname 
/* main.c 791: */+=>>= a.*b s.x-
/* main.c 792: */ > --  + a L"ws" <<1.5
/* main.c 793: */x
/* main.c 794: */123456789?	9
/* main.c 795: */9-
/* main.c 796: */ > f(1,2)	1e+10f
/* main.c 797: */
/* main.c 798: */12	
/* main.c 799: */ab s.x 123456789  >> 0x7fffffff  
/* main.c 800: */s.x  0x7fffffff <= &
/* main.c 801: */ &
/* main.c 802: */ab ==  1.5 ||	1 <  < ^= z(2) ( -> *  .5 12 -=	|| <<1234567890 :: -
/* main.c 803: */ > 
/* main.c 804: */
/* main.c 805: */q
/* main.c 806: */
/* main.c 807: */1 1	0  
/* main.c 808: */1u 0x7fffffff 	
/* main.c 809: */+=  x >>=  9==	s.x  -  1234567890 ...  >= -- int L"ws"	x 	...
/* main.c 810: */>>  9
/* main.c 811: */9 s.x   + ."s" 
/* main.c 812: */w ,1.5	[ )	(2)int ~	'c'"s" "s" 
/* main.c 813: */+=	,077 -=-- : L'w'	?9
/* main.c 814: */9  
/* main.c 815: */?  ]  (2)	<  <	>  >=/  ; LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1   %  >>=0x123456789 x >>-- -  -
/* main.c 816: */ >   
/* main.c 817: */(  
/* main.c 818: */ab  &&	&
/* main.c 819: */ &  <<= 077	* {  -  -->  (  Lname  077  a 4e5 
/* main.c 820: */a.*b(2)
/* main.c 821: */ab 1u -- , [1e+10f <= == 1234567890 ;	/  1e+10f 123456789  
/* main.c 822: */12	
/* main.c 823: */+= (2) == / 0; 
/* main.c 824: */-	s.x  
/* main.c 825: */+) ! 
/* main.c 826: */ab 'c' 
/* main.c 827: */1 -
/* main.c 828: */ >	L'w' ~  || 1u	/9
/* main.c 829: */9 -> *  (	>}:: 
/* main.c 830: */ab	~ ++ ;  
/* main.c 831: */12 ,	"s" -> * 
/* main.c 832: */alpha_beta_gamma_delta f(1,2)	)  >  >=  123456789 -
/* main.c 833: */ > defined -  L"ws"  ->12L ~ )   
/* main.c 834: */0	-- *  z(2)  %	9
/* main.c 835: */9-> * 
/* main.c 836: */)>>=	?z(2)	.5	+=-= <<  / f(1,2)  L'w'  . 1234567890 
/* main.c 837: */xint  ;	,  .  ]	837 ^=? 'c'  _asm_not	x=1;	++  4e5 f(1,2)  >=  f(1,2)  
/* main.c 838: */
/* main.c 839: */q
/* main.c 840: */
/* main.c 841: */~	&& _asm_not L'w'  9
/* main.c 842: */9; 1234567890  %  ) -
/* main.c 843: */ > 0; 843  .5 9
/* main.c 844: */9  (2)++ ! L'w' a!  -> 
/* main.c 845: */.  (x] || ? >>= w  1.5 <<-
/* main.c 846: */ >  ->  <= !	alpha_beta_gamma_delta 0; *  != 123456789 >>)  
/* main.c 847: */Lname  a >= a  int x >> != L"ws"  <  <  || % <  <0;L"ws"/	( z(2) &
/* main.c 848: */ & ?123456789 123456789   >= 
/* main.c 849: */"s"  s.x  a	0	== ++  -=  &&  LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1} , 	  
/* main.c 850: */&&	-- 1234567890  12L/  LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 %   
/* main.c 851: */LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 <=  ++	851 ~<--1.5 L"ws" 1u !  << && <<=  
/* main.c 852: */1 x=1;  ->}  1.5	4e5 1 int 1>>... 12L _asm_not	--	<= %> a.*b  % -- >>	>  >= ? ::	
/* main.c 853: */.  --  <<
/* main.c 854: */
/* main.c 855: */q
/* main.c 856: */
/* main.c 857: */'c'  ==9
/* main.c 858: */9 077 ;  -
/* main.c 859: */ > .5 x=1;-=  :: 
/* main.c 860: */
/* main.c 861: */q
/* main.c 862: */
/* main.c 863: */0  ^= < 
/* main.c 864: */f(1,2)  >>=  &&1234567890	12L	++ 0x7fffffff 
/* main.c 865: */
/* main.c 866: */q
/* main.c 867: */
/* main.c 868: */* Lname  
/* main.c 869: */
/* main.c 870: */q
/* main.c 871: */
/* main.c 872: */1234567890  ; <=  x LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1  1 s.x <  <	077  
/* main.c 873: */~ [ 0;  	  
/* main.c 874: */x) ...  )	*  -	(z(2) ]	0;	
/* main.c 875: */LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1  f(1,2) s.x ||(2)[ . 0x7fffffff >>	_asm_not	) 
/* main.c 876: */12 x=1;	-= }  1u f(1,2) 1e+10f f(1,2){ ::	 
/* main.c 877: */...>>	~	<<  	"s"~  9: 877	&&)	-> * 
/* main.c 878: */
/* main.c 879: */q
/* main.c 880: */
/* main.c 881: */++  
/* main.c 882: */
/* main.c 883: */q
/* main.c 884: */
/* main.c 885: */z(2)%	0x123456789 077	int x x=1; 
/* main.c 886: */x/ <  <   
/* main.c 887: */> :0x7fffffff (	x  1.5	::	12 }9
/* main.c 888: */9||  < x=1; x=1; .  +  
/* main.c 889: */
/* main.c 890: */s.x 123456789  :Lname%9 L"ws" -= 4e5	0x7fffffff . ? ]  / 
/* main.c 891: */
/* main.c 892: */q
/* main.c 893: */
/* main.c 894: */!= 1e+10f	z(2)  defined  ->defined w	 . 077	int  
/* main.c 895: */
/* main.c 896: */q
/* main.c 897: */
/* main.c 898: */---> *1.5	z(2)0 ? >>  "s": 'c'  ]  <=  +12L 077  &
/* main.c 899: */ &(2)12 Lname alpha_beta_gamma_delta  ->  s.x
/* main.c 900: */_asm_not   alpha_beta_gamma_delta  a.*b 0;{ < 12L -->-- 
/* main.c 901: */
/* main.c 902: */0x7fffffff  1234567890 +=  -  -
/* main.c 903: */+= a.*b 123456789  4e5  
/* main.c 904: */+=	~< 1234567890 ? a.*b  &&  
/* main.c 905: */+=  >>+ Lname]  alpha_beta_gamma_delta ++ 
/* main.c 906: */
/* main.c 907: */q
/* main.c 908: */
/* main.c 909: */-  -	9
/* main.c 910: */9  ; 
/* main.c 911: */
/* main.c 912: */0  .5 f(1,2)  -={ >> w Lname	 1e+10f a .5 {  defined  ? 12L 
/* main.c 913: */) f(1,2)  int 9
/* main.c 914: */9	>  >=  { /	% ->	defined 1u  ~  >=  
/* main.c 915: */( ~    --* 
/* main.c 916: */+= &
/* main.c 917: */ & <<=!0x123456789 
/* main.c 918: */
/* main.c 919: */"s" &
/* main.c 920: */ & %<= int  .	int	(>  >=-  -a  	 ,	+= 1 
/* main.c 921: */ab ++  a  ( -=
/* main.c 922: */-  9 x }  ->	[922	>=	-  -  <<   9  x L"ws"  ||0; x=1; <=!=&
/* main.c 923: */ &  +=  
/* main.c 924: */.5 . ; _asm_not ++ 
/* main.c 925: */
/* main.c 926: */q
/* main.c 927: */
/* main.c 928: */a.*b{  ;  . w 	 { >  >=	
/* main.c 929: */>   
/* main.c 930: */...	w	-= 
/* main.c 931: */ab 0x123456789  %  -  - 1	L'w'x=1; 077  a.*b <  <1.5>>= + (  >=-=9
/* main.c 932: */9	1  
/* main.c 933: */->s.x 0x123456789  -  - s.x 	.5  _asm_not/:  
/* main.c 934: */x<< ->>> int 077(2)	/	934 << x=1; 
/* main.c 935: */+= % , 0x7fffffff  ||  
/* main.c 936: */x defined  ==  -
/* main.c 937: */ > -> * 0x7fffffff 
/* main.c 938: */
/* main.c 939: */q
/* main.c 940: */
/* main.c 941: */4e5 
/* main.c 942: */ab  (2) &&L'w'>  >=[ ~< x=1;  Lname alpha_beta_gamma_delta-
/* main.c 943: */ >  
/* main.c 944: */.5 (> -  - !=...  077	.5  9
/* main.c 945: */9	?		s.x	>>= 
/* main.c 946: */.5-  - ^= 	 (2) [)	<>  >=	alpha_beta_gamma_delta _asm_not 1e+10f int ... x 
/* main.c 947: */xx w	?  ^=  123456789) ++  x=1;  &
/* main.c 948: */ & alpha_beta_gamma_delta  && . 
/* main.c 949: */&&  1  -  -><<=	9
/* main.c 950: */9  -  - w 9  
/* main.c 951: */==	{,LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 0x123456789 12  12  0x123456789 L"ws" += 0 
/* main.c 952: */
/* main.c 953: */++ 9 123456789  <<=	953  L'w'  0;  defined 
/* main.c 954: */% 
/* main.c 955: */1 ! {  {!  -   >  ::  -->  >=  >>=  -=	.	1u -- << ^=	alpha_beta_gamma_delta >> < 1u f(1,2)  
/* main.c 956: */] >  >= a	,==  (	|| &&  defined "s"	~  ^=	!=(2) ?   
/* main.c 957: */-> *a.*b  >= >>
/* main.c 958: */] 1234567890 )  ->	{  0x7fffffff -> *123456789<  <  <  >>alpha_beta_gamma_delta 
/* main.c 959: */ab-
/* main.c 960: */ > <  <	}
/* main.c 961: */] (  9
/* main.c 962: */9  1  x=1; 077 
/* main.c 963: */x-> ! x  != [ 
/* main.c 964: */
/* main.c 965: */ab  -=  ->  "s" &&>>= _asm_not	9  alpha_beta_gamma_delta defined 
/* main.c 966: */-0x7fffffff-  -&& ++( z(2)	: 
/* main.c 967: */x0;  ^=
/* main.c 968: */+=  &
/* main.c 969: */ &Lname 077 LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 ,  ||  .  ^= --  . 
/* main.c 970: */a +=  ->	-
/* main.c 971: */ >  
/* main.c 972: */
/* main.c 973: */9  4e5 	  12L ] 0;  > 4e5  % [-= 9 "s" }  (  
/* main.c 974: */&
/* main.c 975: */ &   { 1e+10f   	 1234567890 :-=12  1 :
/* main.c 976: */x+ ]  077 == 'c'	}	! 0;  -=  ?	+ "s"z(2)  < >=	123456789>>= 
/* main.c 977: */
/* main.c 978: */q
/* main.c 979: */
/* main.c 980: */>>=;9
/* main.c 981: */9  0x123456789 ++  >  >=	
/* main.c 982: */ab-> 0; 12 _asm_not -
/* main.c 983: */ >  0 >  >=  
/* main.c 984: */x!= .:<<= 
/* main.c 985: */!	<  <{(2)  
/* main.c 986: */ab 0	!= 077 s.x&
/* main.c 987: */ &  0x7fffffff ) "s"	a.*b x 
/* main.c 988: */1.5  ->
/* main.c 989: */<  < 9 123456789	; z(2)	-  - L"ws"-=  +=  :?  ;  -  0	>>  _asm_not  _asm_not ( ! 1	
/* main.c 990: */+x	<=  
/* main.c 991: */LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1> ++ -
/* main.c 992: */ > 1e+10f ++.  <= 'c'f(1,2)4e5 1234567890 0<< LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 ... <<1e+10f 
/* main.c 993: */. <  :: [ 
/* main.c 994: */-- ~  z(2)  }... ]-  -	 -> *LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1	4e5  !int  z(2) :: >> int  
/* main.c 995: */L'w'
/* main.c 996: */
/* main.c 997: */q
/* main.c 998: */
/* main.c 999: */-  -  >	]  s.x w <= "s" x f(1,2) 0x7fffffff  a.*b }a.*b "s"%9+=	0x7fffffff 
/* main.c 1000: */9
/* main.c 1001: */9 0x7fffffff a x x  * *
/* main.c 1002: */ab   077  s.x &
/* main.c 1003: */ &:  
/* main.c 1004: */
/* main.c 1005: */f(1,2)	(2) ++	-- ...]  ... int 
/* main.c 1006: */[12&
/* main.c 1007: */ &077 >  >=	==  :x=1;  [
/* main.c 1008: */x! <<1e+10f {  && &
/* main.c 1009: */ & ->a.*b	-> *++'c' int  f(1,2)  Lname <<=  ... 	 >>= *;  1  &
/* main.c 1010: */ & 
/* main.c 1011: */xint  -
/* main.c 1012: */ >  Lname  Lname 123456789+  -1>  >=  ) 0x123456789	
/* main.c 1013: */1013 1?^=	  -
/* main.c 1014: */ >  	   >  >=  -
/* main.c 1015: */ > ||  
/* main.c 1016: */!=  >>=  (2)  
/* main.c 1017: */>  
/* main.c 1018: */x >>=	9	*;  a.*b(2) 1 f(1,2) a  4e5  ^= 1.5  -="s" _asm_not  Lname a   
/* main.c 1019: */<<= <<=	+=  &
/* main.c 1020: */ &(2)	9
/* main.c 1021: */9	int .5== ) _asm_not  ;  0x123456789  4e5 123456789	!= 9+= 1u 
/* main.c 1022: */<   <  < *-  - z(2)
/* main.c 1023: */xs.x  
/* main.c 1024: */+=	*(2) 
/* main.c 1025: */+=  1234567890+  , a	--||  
/* main.c 1026: */"s" 123456789  int  
/* main.c 1027: */} ||  ==  ... defined  x=1; &
/* main.c 1028: */ &  -  -  +    0; &
/* main.c 1029: */ &. ?/>= 1 LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1<=  
/* main.c 1030: */^= 
/* main.c 1031: */ab*1u  -  - 
/* main.c 1032: */;}1032  .	a.*b++ 
/* main.c 1033: */ab 
/* main.c 1034: */ab  0x123456789 "s" , _asm_not  "s"x=1;++  >	%  1034 >= <<	-=	!1.5
/* main.c 1035: */
/* main.c 1036: */f(1,2)...  9
/* main.c 1037: */9 ...  ) {1234567890 x=1;-=	defined s.x	L"ws"  ~LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1  12 
/* main.c 1038: */x  -  -  z(2)  	 1.5  /  <<   == <  
/* main.c 1039: */+=	  0x123456789  0x7fffffff	_asm_not <= 0; 
/* main.c 1040: */x :: ->> 9 L"ws" (  {~ defined  L"ws" [  }>>=		9
/* main.c 1041: */9  12!=alpha_beta_gamma_delta] <<= ^= * += 
/* main.c 1042: */
/* main.c 1043: */==	->1u a	12  L"ws"-
/* main.c 1044: */ ><<  ^=0;  12L -  
/* main.c 1045: */_asm_not 
/* main.c 1046: */+=	>= ,  'c'  &&123456789 LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1	
/* main.c 1047: */4e5 1.5  ||-> * alpha_beta_gamma_delta  1.5  
/* main.c 1048: */! x >/12 , == int f(1,2)++  ==  1234567890	>  >=  a a.*b < 
/* main.c 1049: */-- 0 _asm_not 
/* main.c 1050: */<<{  >  % *	
/* main.c 1051: */
/* main.c 1052: */
/* main.c 1053: */q
/* main.c 1054: */
/* main.c 1055: */
/* main.c 1056: */+=  <<~  %  *||++ -> a  *	)(L"ws"	]s.x  -
/* main.c 1057: */ > 
/* main.c 1058: */+=	9  L'w'  ::	4e5 
/* main.c 1059: */x*L'w'  + x=1; 077 1.5  
/* main.c 1060: */9  123456789; int ...  --; < ! +=
/* main.c 1061: */ab<<=	  z(2)	<= 0x123456789 } L'w'f(1,2) x=1;  || /]:
/* main.c 1062: */. &&	
/* main.c 1063: */
/* main.c 1064: */ab ->  a.*b  -
/* main.c 1065: */ > 9
/* main.c 1066: */9  12L  defined > 
/* main.c 1067: */+=  ! &
/* main.c 1068: */ & % 1234567890"s"  x  :: 12 
/* main.c 1069: */ab (
/* main.c 1070: */0x123456789-	<<++	[  z(2) 
/* main.c 1071: */>>=9 123456789  a 1234567890	->-=  (2)-
/* main.c 1072: */ >  123456789[  ++	. <<	
/* main.c 1073: */ab  "s" 
/* main.c 1074: */~ 
/* main.c 1075: */ab: defined*:: ]	-	
/* main.c 1076: */
/* main.c 1077: */q
/* main.c 1078: */
/* main.c 1079: */w > ,&&  << 	  (2)	] <=	>	++ +'c' == 1 Lname (2) <=;	[ >>=s.x defined 
/* main.c 1080: */
/* main.c 1081: */q
/* main.c 1082: */
/* main.c 1083: */"s"  a.*b  9 x	077  1.5 L"ws".  ...	... )z(2) ::	<< ~ 1	Lname::  -> 123456789 >  ...	>>	
/* main.c 1084: */
/* main.c 1085: */-> * ~  a.*b	(2)>= 0x123456789 >> ++		  && 
/* main.c 1086: */ab { <<=  x  ::f(1,2)...	
/* main.c 1087: */] :		  ... alpha_beta_gamma_delta defined 1.5-> * ] (  a
/* main.c 1088: */+  alpha_beta_gamma_delta 
/* main.c 1089: */
/* main.c 1090: */... L"ws" < 1234567890  s.x 4e5  
/* main.c 1091: */
/* main.c 1092: */q
/* main.c 1093: */
/* main.c 1094: */<	z(2)  0x123456789 *
/* main.c 1095: */077 
/* main.c 1096: */1u alpha_beta_gamma_delta 4e5	
/* main.c 1097: */9
/* main.c 1098: */9!= || "s"0;  >(  "s"  /L'w' ! )  ==  ::{ 0x123456789 4e5  > + : / 0(  
/* main.c 1099: */+  ++ != -=  -  -  	 z(2)[
/* main.c 1100: */)1	+. x=1;
/* main.c 1101: */|| 
/* main.c 1102: */ab  ==  -> *  >=	:  ; >=*   ~  ]	alpha_beta_gamma_delta 12L 'c' int		
/* main.c 1103: */== 123456789 .5 
/* main.c 1104: */ab defined  ]++ ) -><  <   <  <		  << ::  
/* main.c 1105: */+= x=1;	.5 0x7fffffff  f(1,2)	.5(	
/* main.c 1106: */L'w'  1u x-
/* main.c 1107: */ >1e+10f s.x { "s"  ++ %0x7fffffff 
/* main.c 1108: */ab
/* main.c 1109: */% 9
/* main.c 1110: */9 (2)} 
/* main.c 1111: */1e+10f	a  0;  >>; ] s.x x 0x123456789 ^=
/* main.c 1112: */
/* main.c 1113: */q
/* main.c 1114: */
/* main.c 1115: */-*	   LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1  
/* main.c 1116: */
/* main.c 1117: */>= 4e5 077 4e5 --	Lname( L"ws"  >>= >=0 1234567890 defined z(2)1234567890>>=  
/* main.c 1118: */x<< 9
/* main.c 1119: */9  1u  >  >=123456789!=	?  -> * 1e+10f 1.5<<=	&&-= 123456789  >  >=  ]  
/* main.c 1120: */x~
/* main.c 1121: */>>  0;9
/* main.c 1122: */9	"s"  >>= int 
/* main.c 1123: */1123 >  int>=  
/* main.c 1124: */-> 1.5 z(2)  0x123456789] 
/* main.c 1125: */-  - f(1,2)>= %-  -		/  .
/* main.c 1126: */x=1; 12L int&&w 12L +,	0x123456789  
/* main.c 1127: */123456789  a
/* main.c 1128: */123456789	.5 ++  9
/* main.c 1129: */9 )  ^=	alpha_beta_gamma_delta  ,  >>9 <   _asm_not  !=+ Lname
/* main.c 1130: */||  
/* main.c 1131: */,, <  <  ?  ->?	
/* main.c 1132: */^= -  
/* main.c 1133: */?  12L	
/* main.c 1134: */z(2)( LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1-> * 
/* main.c 1135: */defined  -> *1u 1.5 Lname	4e5 
/* main.c 1136: */[  :: ->  L'w'	4e5 defined  w	z(2)<=alpha_beta_gamma_delta  ?  4e5  *Lname	9  
/* main.c 1137: */.5 s.x ==  -> * >>=  a 
/* main.c 1138: */x 0x123456789  f(1,2)    int x=1;  
/* main.c 1139: */... ] 0;	L"ws" ++% <<= ...+ *  
/* main.c 1140: */defined  >>=  077  _asm_not  1140 L'w' int  ++ 1140  >	^=  << ?1u * 4e5  defined :: 0 a 0x123456789 > LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 
/* main.c 1141: */
/* main.c 1142: */q
/* main.c 1143: */
/* main.c 1144: */<   
/* main.c 1145: */+=  1u (2) 
/* main.c 1146: */+=  9
/* main.c 1147: */9 0x123456789 4e5 >>= 0+=>=  a.*b  x  L"ws"  0x7fffffff  
/* main.c 1148: */0; +a >>=0  ;	0; s.x  {	>=  -=  
/* main.c 1149: */1u  -
/* main.c 1150: */ > -> * ;  :  
/* main.c 1151: */ab  ? a defined <  <  } ?	~	_asm_not		0x7fffffff-  -  077   --  (2) z(2)_asm_not  
/* main.c 1152: */1152 0x7fffffff	>>( 0 _asm_not  <  <
/* main.c 1153: */ ==0  
/* main.c 1154: */}  ;  0x7fffffff 
/* main.c 1155: */
/* main.c 1156: */q
/* main.c 1157: */
/* main.c 1158: */12; !=0  <  1158
/* main.c 1159: */, 
/* main.c 1160: */
/* main.c 1161: */4e5  x ; >> _asm_not 0x123456789 	 -=	
/* main.c 1162: */0; %	x=1; 1e+10f  --   ]	 alpha_beta_gamma_delta:: 
/* main.c 1163: */
/* main.c 1164: */q
/* main.c 1165: */
/* main.c 1166: */!=  .  1166 a	<<  x=1;   1<  <  077  (>  x=1; 
/* main.c 1167: */*&
/* main.c 1168: */ &	<  < L"ws" a.*b 1u	077	4e5	"s" &
/* main.c 1169: */ &  * >  >= >  >=	0	+'c'  <=  1169 :: 
/* main.c 1170: */ab  -  -  1u z(2)	
/* main.c 1171: */&
/* main.c 1172: */ &  
/* main.c 1173: */...--	int	>&&~  alpha_beta_gamma_delta  >  >=	z(2)]	 
/* main.c 1174: */LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1&
/* main.c 1175: */ & 
/* main.c 1176: */.5	12L	0 
/* main.c 1177: */
/* main.c 1178: */[ [->	<  <^= --  int ]+= ; -= ) ::  
/* main.c 1179: */+=
/* main.c 1180: */
/* main.c 1181: */ab x 0 int	L"ws"  x  *	
/* main.c 1182: */[ -
/* main.c 1183: */ >int LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1  >  0;
/* main.c 1184: */ab LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1<<= && 12L:	
/* main.c 1185: */alpha_beta_gamma_delta  -
/* main.c 1186: */ > ]	
/* main.c 1187: */<  < 12L	] <= 9
/* main.c 1188: */9	LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1  f(1,2)	 
/* main.c 1189: */['c' 0 1 'c'	{  
/* main.c 1190: */+=	12L  <=	a.*b!= a.*b 
/* main.c 1191: */ab 12L  z(2)	1u 0x123456789 
/* main.c 1192: */<<=  w>>= ... 'c'alpha_beta_gamma_delta ; >=  L'w'	123456789 0-
/* main.c 1193: */ > 9||	z(2)	|| 
/* main.c 1194: */ab 1u ,	z(2) LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1  * (2) 0; 
/* main.c 1195: */123456789 0;  alpha_beta_gamma_delta   077	1234567890 1234567890 	1234567890<  < 1e+10f	
/* main.c 1196: */== 0; 
/* main.c 1197: */ab<  < ( %  &&	
/* main.c 1198: */>>  
/* main.c 1199: */-  -  &&	.  defined 
/* main.c 1200: */0;  _asm_not alpha_beta_gamma_delta 	
/* main.c 1201: */.		alpha_beta_gamma_delta   x	x=1;+ ||<<=!= >>= _asm_not  ...	++ 1234567890::	.5==a.*b s.x 
/* main.c 1202: */s.x -- << 1234567890 x "s" f(1,2)/  <<=  'c'	?	12 :: 
/* main.c 1203: */+=Lname
/* main.c 1204: */s.x ::	>= + 
/* main.c 1205: */
/* main.c 1206: */>=  L'w'0  
/* main.c 1207: */ab 1207 
/* main.c 1208: */ab  ^= 1.5  + >> 1208  defined< 9 a.*b 		- a.*b a.*b  >>  L"ws"||  *_asm_not
/* main.c 1209: */
/* main.c 1210: */{  &&	a >>=  -  -  {  1210 <=!=>-> * 0x123456789  -=  077 12 x 
/* main.c 1211: */1e+10f  [	}  int  <- x=1; <  < (2)   -> * 
/* main.c 1212: */
/* main.c 1213: */q
/* main.c 1214: */
/* main.c 1215: */
/* main.c 1216: */ab)
/* main.c 1217: */
/* main.c 1218: */w <<= 4e5  -- LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1  'c'  --	1u  L'w'	+ , ] -
/* main.c 1219: */ >
/* main.c 1220: */1.5? &&  <  ^= -  ->= 4e5  z(2)	.5 
/* main.c 1221: */&
/* main.c 1222: */ & / 1u 
/* main.c 1223: */xx=1; <  < z(2) L'w'+  
/* main.c 1224: *//  
/* main.c 1225: */a.*b L"ws"_asm_not a.*b x a 4e5 int -
/* main.c 1226: */ > 1 a.*b	<  <  || s.x	  12L  !=  - 
/* main.c 1227: */x0; 12 12L ||  &&  <<?  :
/* main.c 1228: */_asm_not >=_asm_not : <=  
/* main.c 1229: */ab! +=
/* main.c 1230: */
/* main.c 1231: */(1.5  ++x=1; alpha_beta_gamma_delta
/* main.c 1232: */+=  int L"ws"	- 
/* main.c 1233: */
/* main.c 1234: */q
/* main.c 1235: */
/* main.c 1236: */::>>:: 12	1e+10f|| [ -  -  z(2)(2) ) 	 ==  1e+10f  -- -
/* main.c 1237: */ >	12L   > w 0  
/* main.c 1238: */x .5 alpha_beta_gamma_delta
/* main.c 1239: */+= ::<= ,&
/* main.c 1240: */ & .5  :: % s.x L'w'0x123456789  0x123456789  
/* main.c 1241: */<<= 1e+10f >=	LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1!= 1 ^=  >>=	defined	&
/* main.c 1242: */ & :	  
/* main.c 1243: */ab 
/* main.c 1244: */w==++  1.5	L"ws" *[ *	defined >  >= -=  123456789 0x123456789  +=  1.5 a  *  
/* main.c 1245: */0x7fffffff	x L"ws" -  -	<= L'w'?1  ;0x7fffffff  1245	defined 0	<
/* main.c 1246: */-  -&
/* main.c 1247: */ & 1.5 ) %  .5 s.x  L"ws"  : >  >= 
/* main.c 1248: */+=  )  "s" >a.*b s.x 9 <=  ;
/* main.c 1249: */1u	(>>  >>= 12 <<=<= 
/* main.c 1250: */+=  0x123456789  L"ws"s.x <  <
/* main.c 1251: */
/* main.c 1252: */w-
/* main.c 1253: */ > -z(2) : x[ .5  f(1,2)!	)1e+10f]{ "s"	
/* main.c 1254: */0 ]  1u f(1,2)0 1 1u  12    +  -= ->  0x123456789  1>=  >>=  ->
/* main.c 1255: */'c'  s.x	:  x	--&
/* main.c 1256: */ &  
/* main.c 1257: */{ <	_asm_not	<  <	
/* main.c 1258: */ab<<= LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1(2) 1 ++  
/* main.c 1259: */x+=	a.*b	0x123456789&&	4e5   
/* main.c 1260: */a( L"ws"  ?1u  
/* main.c 1261: */+||  "s" alpha_beta_gamma_delta  - 12L 
/* main.c 1262: */9
/* main.c 1263: */9	?12L 1234567890  &
/* main.c 1264: */ &	.5++ LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1} 0;	
/* main.c 1265: */
/* main.c 1266: */0x7fffffff 1234567890 !=	077  && f(1,2)1234567890 >>1266 >-
/* main.c 1267: */ >x=1; (2)  .5  a.*b)
/* main.c 1268: */ab ?  1e+10f <<:"s" -  - 
/* main.c 1269: */! z(2)  s.x  : L'w'	077
/* main.c 1270: */;	> alpha_beta_gamma_delta	1e+10f L"ws"  f(1,2)-   >  >= }: 1270 Lname int <<defined Lname % [4e5 >>= 1270  -  - 
/* main.c 1271: */x=1;	
/* main.c 1272: */
/* main.c 1273: */>  >=	
/* main.c 1274: */
/* main.c 1275: */x)%<"s"  -- +a  9-> *+ 077  123456789 LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 x 0  L"ws"->  w <= >>= 
/* main.c 1276: */
/* main.c 1277: */q
/* main.c 1278: */
/* main.c 1279: */<< ||  1 w 0; defined } >>=  [++ }  >  >= (  .   * 
/* main.c 1280: */ab ! -> *alpha_beta_gamma_delta  9  << 
/* main.c 1281: */
/* main.c 1282: */q
/* main.c 1283: */
/* main.c 1284: */
/* main.c 1285: */ab x=1; += 
/* main.c 1286: */
/* main.c 1287: */<<=	x=1;  >>= 1287 1287 -  -* 'c'  .5++ >  >= <<= ]  9
/* main.c 1288: */9
/* main.c 1289: */.  (2) (2).5, [*int "s" 1.5,  a.*b	+  == L'w' ...  1289 a 1e+10f}  _asm_not +=  
/* main.c 1290: */,	*	... !    077 123456789 %  -> *w  ||alpha_beta_gamma_delta >= 
/* main.c 1291: */Lname .5  -  -  >  >=	int  L"ws" -
/* main.c 1292: */ >? 4e5  += : -  -12 ... alpha_beta_gamma_delta	)( 0; "s"<< 
/* main.c 1293: */<  <|| f(1,2)]  <<= }LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1  
/* main.c 1294: */ab &
/* main.c 1295: */ & 4e5 ...  	9
/* main.c 1296: */9 f(1,2)a _asm_not 
/* main.c 1297: */]a.*b	1u 0x123456789<<= 9 <<= 1e+10f	defined	x=1;  123456789  
/* main.c 1298: */+=  ->  "s">>= 12L _asm_not  * 
/* main.c 1299: */x0++-  - &&	"s"^=*  alpha_beta_gamma_delta -  - < !=  ::>>  1	w (alpha_beta_gamma_delta  12 w  
/* main.c 1300: */L"ws" Lname(z(2) 'c'>> 
/* main.c 1301: */xa  9
/* main.c 1302: */9 ]+...  1302 w %  
/* main.c 1303: */&
/* main.c 1304: */ & a} -  -  1.5++	
/* main.c 1305: */ab->~   
/* main.c 1306: */x1e+10f +    - a.*b-- -
/* main.c 1307: */ >	0; ?
/* main.c 1308: */9 , -  -  'c'  <<=a  
/* main.c 1309: */077 1u<<  }  +(2))(2)   
/* main.c 1310: */f(1,2)   >	{ ++  int 0	[	!= 
/* main.c 1311: */0x7fffffff a.*b  -
/* main.c 1312: */ >  x	12  
/* main.c 1313: */
/* main.c 1314: */q
/* main.c 1315: */
/* main.c 1316: */,1u <  < -  -&&	9
/* main.c 1317: */9 a.*b9 .5  0x123456789 ?  1.5 !  x 
/* main.c 1318: */
/* main.c 1319: */?  /	0x123456789{  0x123456789	12L!=  ;  	
/* main.c 1320: */[  { 0x123456789-=  !0; 1234567890  >  >=  :  ->  L'w' x=1;}  
/* main.c 1321: */x_asm_not	-- --  +  int>  >="s" &
/* main.c 1322: */ & -- .5 >  >= 12L > a (
/* main.c 1323: */z(2)  <=
/* main.c 1324: */x-> *  1  -  ->  != s.x 0	<  < L'w'  ==  1e+10f  ::  
/* main.c 1325: */Lname 
/* main.c 1326: */int  . , 
/* main.c 1327: */!  w 
/* main.c 1328: */
/* main.c 1329: */12	
/* main.c 1330: */ab	 ( 4e5 <<	L'w' << -
/* main.c 1331: */ >&
/* main.c 1332: */ & 
/* main.c 1333: */"s"  LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1  { 077  077~ L"ws" .5)||1u  
/* main.c 1334: */
/* main.c 1335: */q
/* main.c 1336: */
/* main.c 1337: */->  -  -  12L +=  
/* main.c 1338: */x,1.5 {L'w'	...&
/* main.c 1339: */ & ^=0x7fffffff ]  :  
/* main.c 1340: */+=0;
/* main.c 1341: */+=++	<  <12L   ? ;!= 		L"ws" _asm_not]
/* main.c 1342: */
/* main.c 1343: */
/* main.c 1344: */+=>  >=^=	0;  ~ x << 12L ==	L"ws"  -
/* main.c 1345: */ >  -> *9<  <(  &&1345 0x7fffffff L'w' >>=-  <  < 
/* main.c 1346: */a.*b 4e5	12 
/* main.c 1347: */ab <  < 9 >=	!=	x=1;-	w w	-  - } alpha_beta_gamma_delta ! 
/* main.c 1348: */
/* main.c 1349: */<  < 1u 1u LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1]  + z(2) int<	:: <<=	4e5	1e+10f	+ ::  z(2)1e+10f 12 
/* main.c 1350: */defined	==	x=1; >= <=1234567890'c'int  ::~-  
/* main.c 1351: */w  ->==  == &
/* main.c 1352: */ &	s.x  .5 123456789(2) alpha_beta_gamma_delta  <  <
/* main.c 1353: */
/* main.c 1354: */q
/* main.c 1355: */
/* main.c 1356: */1234567890 <<=Lname	!  .5 a += alpha_beta_gamma_delta  :: "s"  >	
/* main.c 1357: */x( >>= -> * :: alpha_beta_gamma_delta ! (2) 
/* main.c 1358: */
/* main.c 1359: */9
/* main.c 1360: */9  9 9
/* main.c 1361: */9  1361 _asm_not  !=  
/* main.c 1362: */+= 0;<	/ -=9
/* main.c 1363: */9<<=0 :.5!=  }(2)  1234567890  && ... 
/* main.c 1364: */
/* main.c 1365: */ab  >=  ( * Lname <<=_asm_not&
/* main.c 1366: */ & 1366  int ;  4e5 ... ,.  
/* main.c 1367: */<= <= [  } int defined  w+-=	{  ) --
/* main.c 1368: */"s" f(1,2) -> *defined  (  <<=    -
/* main.c 1369: */ >  [	+= !=  
/* main.c 1370: */9
/* main.c 1371: */9 ; --  f(1,2) 
/* main.c 1372: */+=z(2)	? &
/* main.c 1373: */ &  0; a.*b (2) &
/* main.c 1374: */ &	 
/* main.c 1375: */4e5 :<< - 077 
/* main.c 1376: */, ::	 1u  1 &
/* main.c 1377: */ &  L"ws"-=
/* main.c 1378: */+= 4e5  ] 
/* main.c 1379: */"s" .5 	... alpha_beta_gamma_delta  -- 
/* main.c 1380: */.5  (  << [  x=1; "s"  0x123456789  
/* main.c 1381: */--12 0x7fffffff++ 12
/* main.c 1382: */>= ||  <<=  0x7fffffff  <= -- 0x7fffffff  -
/* main.c 1383: */ > ++ 0	x!= defined .5	LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1>~a ( 
/* main.c 1384: */
/* main.c 1385: */q
/* main.c 1386: */
/* main.c 1387: */x=1;>  >=  077  
/* main.c 1388: *//&&  w a.*b  1234567890 ||]  ; L'w'~
/* main.c 1389: */*	<<1 f(1,2)  == {	)   ::
/* main.c 1390: */ab  x a  /	;s.x  %  	 :: z(2) <<  	1390  
/* main.c 1391: */_asm_not 1	{123456789(^=^=  s.x>>= ++ += 
/* main.c 1392: */+=9
/* main.c 1393: */9 077 ) 
/* main.c 1394: */~  x=1; -  
/* main.c 1395: */ab
/* main.c 1396: */a(2) (  ~ <<=  L"ws"<] -> 0x123456789 <  >  >=0x7fffffff defined defined<<= ... 
/* main.c 1397: */1234567890	L"ws"  *~  }  >=  ,w 0*   
/* main.c 1398: */>= 
/* main.c 1399: */+=<<  1e+10f  L"ws"a L'w'  a.*b ==  Lname  ~ -=  
/* main.c 1400: */
/* main.c 1401: */q
/* main.c 1402: */
/* main.c 1403: */!>  + (  alpha_beta_gamma_delta .5 f(1,2) 
/* main.c 1404: */ab(%
/* main.c 1405: */x1234567890 0x7fffffff	^=  )  9
/* main.c 1406: */9 (2):x <= * <  <
/* main.c 1407: */::  >  >=	 	 && a.*b ;int || -> *	<  <-= 
/* main.c 1408: */++  >> <  <	(   f(1,2) [ ::	}  <<=? --  Lname -  - 
/* main.c 1409: */
/* main.c 1410: */q
/* main.c 1411: */
/* main.c 1412: */0x123456789-  "s" 0>>=_asm_not  &
/* main.c 1413: */ & -
/* main.c 1414: */ >  >= ,  a.*b  ] ... 123456789	
/* main.c 1415: */
/* main.c 1416: */++ == * L"ws" {  >>  -::  9 Lname z(2) -=  <= a
/* main.c 1417: */1.5  
/* main.c 1418: */+=  +=	9
/* main.c 1419: */9 { x=1; 1	&
/* main.c 1420: */ & <,<=  += x _asm_not <=0;  z(2)12L	~	
/* main.c 1421: */x12<=  0x7fffffff  9
/* main.c 1422: */9 <=!  (2) 
/* main.c 1423: */+=  12 alpha_beta_gamma_delta
/* main.c 1424: */+=	-= ^= 
/* main.c 1425: */-> *  a 1234567890  
/* main.c 1426: */&& 9
/* main.c 1427: */9~ 
/* main.c 1428: */9  ]  !  123456789  0	a -  -   ==1u	1.5; 
/* main.c 1429: */
/* main.c 1430: */a.*b{  z(2)|| 0; ^=  ; 
/* main.c 1431: */+=  alpha_beta_gamma_delta  << z(2)  x  x=1;1e+10f  -=	
/* main.c 1432: */:   alpha_beta_gamma_delta  [^= 
/* main.c 1433: */
/* main.c 1434: */(2)9 	 LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 ||  ] defined {++	1.5,/++...  0x123456789  "s"	+=	>>=  >  >=-= f(1,2) 
/* main.c 1435: */
/* main.c 1436: */[Lname  a.*b	LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 defined  LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 -
/* main.c 1437: */ > { ==!=	? .	x=1;  
/* main.c 1438: */
/* main.c 1439: */q
/* main.c 1440: */
/* main.c 1441: */>>+
/* main.c 1442: */
/* main.c 1443: */q
/* main.c 1444: */
/* main.c 1445: */4e5 )  123456789 0x123456789 -> * 
/* main.c 1446: */ab >>=  Lname	+=. <  < != s.x> 
/* main.c 1447: */{ *>=... defined!	[>=}L"ws" / w -
/* main.c 1448: */ > a L"ws"  ] 123456789  {
/* main.c 1449: */9
/* main.c 1450: */9 defined a.*b||  a.*b  -  -
/* main.c 1451: */ > 9	0;  4e5'c'-> *	0x123456789 x alpha_beta_gamma_delta>= ++  0x7fffffff		a.*b  _asm_not 077<  <
/* main.c 1452: */int   
/* main.c 1453: */+  
/* main.c 1454: */ +=  < &
/* main.c 1455: */ &0x7fffffff -> * 0;int  s.x-- 0x123456789	>=<<	int  >  >=	-> *  ::~[ a -
/* main.c 1456: */ > LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 w 
/* main.c 1457: */
/* main.c 1458: */%-> L'w' z(2)  ->  ->, <  < ) -=  --	>>=0x123456789	}  -
/* main.c 1459: */ >alpha_beta_gamma_delta  >077 <  <   
/* main.c 1460: */a.*b  :	&&  . 'c'  ^= -  
/* main.c 1461: */! int  +	1.5	:   Lname int	}
/* main.c 1462: */
/* main.c 1463: */q
/* main.c 1464: */
/* main.c 1465: */>= .5  + -  - 	123456789 4e5	?--4e5
/* main.c 1466: */z(2)   x=1;LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1::  _asm_not   .5 9  1234567890 <  < 1u  a 'c' [  -  - : -=  L'w'
/* main.c 1467: */+=	077&
/* main.c 1468: */ & 
/* main.c 1469: */
/* main.c 1470: */q
/* main.c 1471: */
/* main.c 1472: */defined  x=1;-  - x=1; Lname . 4e5 
/* main.c 1473: */4e5 077 
/* main.c 1474: */
/* main.c 1475: */q
/* main.c 1476: */
/* main.c 1477: */~  0 077	z(2)1.5 ||	...	> Lname	L'w' 12L 0  _asm_not 1234567890 
/* main.c 1478: */+=+LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 -
/* main.c 1479: */ >++ 12 0;	0;(
/* main.c 1480: */>  , f(1,2) ;  1/	[ ]LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1  
/* main.c 1481: */+=  -> *  -> !  	  > a.*b	
/* main.c 1482: */ab!=  <<=  
/* main.c 1483: */
/* main.c 1484: */::<<= .5	.  w 
/* main.c 1485: */
/* main.c 1486: */<<= x;/ +=  
/* main.c 1487: */ab -  -<< -=  077:: -> <  <	-=  }  ,
/* main.c 1488: */077 L'w'  <=
/* main.c 1489: */;	,  += .5 1234567890  L"ws"  ]  -  - 
/* main.c 1490: */1490
/* main.c 1491: */xx <<	
/* main.c 1492: */ab 
/* main.c 1493: */&
/* main.c 1494: */ & ++defined -  - 1234567890	-> >  >=f(1,2) <=	0%  + 4e5 _asm_not 'c' >=	>  >=  || 0x123456789 + > 
/* main.c 1495: */
/* main.c 1496: *//123456789  && 0x7fffffff  -  - ;9
/* main.c 1497: */9 &
/* main.c 1498: */ & 1 x 0x7fffffff  4e5] (!= -
/* main.c 1499: */ >		Lname )  
/* main.c 1500: */,!  <  1%9
/* main.c 1501: */9 9	? >>=  ( +	.5 
/* main.c 1502: */+=	
/* main.c 1503: */
/* main.c 1504: */q
/* main.c 1505: */
/* main.c 1506: */!) 077 1 :s.x L'w' 1e+10f	...[ 'c' }  {	<= 
/* main.c 1507: */0;-0;-- -  - 0; 12L  1 
/* main.c 1508: */
/* main.c 1509: */q
/* main.c 1510: */
/* main.c 1511: */"s"  "s"  0x123456789 
/* main.c 1512: */&&, ] != x=1; "s">>&
/* main.c 1513: */ &  >  >=  ;9
/* main.c 1514: */9  9 + 0  -> 
/* main.c 1515: */
/* main.c 1516: */[ 123456789 a.*b
/* main.c 1517: */
/* main.c 1518: */xf(1,2)123456789	
/* main.c 1519: */+ 12<  < w 
/* main.c 1520: */+= x  alpha_beta_gamma_delta 9^=
/* main.c 1521: */1234567890 4e5|| LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 s.x  ;z(2): (2)	1e+10f  .5
/* main.c 1522: */<< 0; 1522 1522{
/* main.c 1523: */1234567890 0x123456789 -> * defined -
/* main.c 1524: */ >1.5 1 L'w'12L  f(1,2)  
/* main.c 1525: */_asm_not ++	'c'	--  1525 <<	. 12	defined  		&&  12  
/* main.c 1526: */<<=	  12L  defined 12 < _asm_not 
/* main.c 1527: */
/* main.c 1528: */;;	>>  s.x  + 
/* main.c 1529: */>=  0x123456789	
/* main.c 1530: */+=  1234567890 9
/* main.c 1531: */9  s.x  }  (2) ||	{ !=  ->"s"  >>9
/* main.c 1532: */9 9	0   -  
/* main.c 1533: */
/* main.c 1534: */... L"ws"+ <<=	int	9
/* main.c 1535: */9+f(1,2))>>  != >> 1535>>  % a <<=[  "s"-> *  
/* main.c 1536: */s.x -- -> *-  -% 1234567890;  a.*b  L"ws" LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1  -> *  alpha_beta_gamma_delta 0		 <= alpha_beta_gamma_delta defined <  <  .5? &&  +	
/* main.c 1537: */
/* main.c 1538: */!  'c'  
/* main.c 1539: */
/* main.c 1540: */1 ^=  <=  0;  z(2)  . [ >  >=  
/* main.c 1541: */int  1u	~ /123456789  > 123456789  0x123456789^=1 int 12>>	/ 9   }LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1  12    
/* main.c 1542: */;<  <== "s"  : 0	;defined  0x7fffffff
/* main.c 1543: */+=} 
/* main.c 1544: */123456789  
/* main.c 1545: */,< 077  <=  0x7fffffff  >  
/* main.c 1546: *//  <= 1u 077 
/* main.c 1547: */+=
/* main.c 1548: */
/* main.c 1549: */_asm_not  
/* main.c 1550: */%  0	 1.5  0x123456789 -> LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1++	!  <<	
/* main.c 1551: */--  
/* main.c 1552: */-  0x7fffffff
/* main.c 1553: */+=+  (2)  -	||	<= 123456789	L"ws" / -> ] 
/* main.c 1554: */0x123456789	%  .  ++		Lname  x=1;  >  >=<  < 
/* main.c 1555: */x==  0x123456789 0 >  >=	w  !  1  
/* main.c 1556: */* >=  a 077	<  <	f(1,2) -  
/* main.c 1557: */1234567890?+=  9'c' 
/* main.c 1558: */+=>=   <= />>  w LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 || 
/* main.c 1559: */w < >  >= 	 1234567890 w ::  ||  x=1; 0;	
/* main.c 1560: */
/* main.c 1561: */0x7fffffff _asm_not	... 0x7fffffff .	1234567890  
/* main.c 1562: */xL "ws">=  x 
/* main.c 1563: */L"ws"( 12  
/* main.c 1564: */
/* main.c 1565: */0  <  < 12,	defined	123456789  :f(1,2)9	
/* main.c 1566: */*0x7fffffff-= defined alpha_beta_gamma_delta  1566
/* main.c 1567: */12L> 4e5 9 >= 077 0;  -> >> _asm_not 
/* main.c 1568: */ab== 'c'a z(2)  ||+= L'w' ! >>=!=  
/* main.c 1569: */
/* main.c 1570: */q
/* main.c 1571: */
/* main.c 1572: */1234567890  12L  4e5 - <=  Lname (2) 
/* main.c 1573: */&
/* main.c 1574: */ &x <<=  9 
/* main.c 1575: */
/* main.c 1576: */L'w'x  {	12L += [ ( ! Lname  ... s.x -= && 1u
/* main.c 1577: */a	 ,
/* main.c 1578: */0 9
/* main.c 1579: */9  &&	^=... ...  0 ... :: 'c'  _asm_not>  -  != )-- -
/* main.c 1580: */ >9
/* main.c 1581: */9  /  ] L"ws" == / 1.5 
/* main.c 1582: */
/* main.c 1583: */q
/* main.c 1584: */
/* main.c 1585: */...<<=   ...  w) >=  defined _asm_not	} 1 0x123456789 % -=<= -
/* main.c 1586: */ >  
/* main.c 1587: */w >>=  1587 0x7fffffff	? -> 
/* main.c 1588: */>>=1 _asm_not  
/* main.c 1589: */ab ->	int  	_asm_not  
/* main.c 1590: */defined	->~ . 
/* main.c 1591: */
/* main.c 1592: */q
/* main.c 1593: */
/* main.c 1594: */->  0  123456789x=1; 
/* main.c 1595: */}-> * 
/* main.c 1596: */Lname	_asm_not  1  || 4e5 {  
/* main.c 1597: */a  <  <; 
/* main.c 1598: */!= != <<  >>  0x123456789  1234567890 12  "s" ->?	> ... ::1e+10f	+0;	a 1234567890 .  (  a.*b	
/* main.c 1599: */x<=  Lname 1u 0x123456789 ++ ? >=  -
/* main.c 1600: */ >s.x	[ %  
/* main.c 1601: */L'w' L"ws"	(2)
/* main.c 1602: */>!	alpha_beta_gamma_delta(2) 	  -= -> *	}	1u 123456789 1  &
/* main.c 1603: */ &  0x123456789	12  -  -  
/* main.c 1604: */ --"s" >=-> *_asm_not  alpha_beta_gamma_delta  %  &&  -=  -
/* main.c 1605: */ > ^= || ] << 
/* main.c 1606: */
/* main.c 1607: */q
/* main.c 1608: */
/* main.c 1609: */>=  _asm_not  ?}  1e+10f  077 1e+10f  1u z(2) -= ] 
/* main.c 1610: */
/* main.c 1611: */q
/* main.c 1612: */
/* main.c 1613: */0x123456789 -= ;1u  1613  9
/* main.c 1614: */9 4e5  :  alpha_beta_gamma_delta  { -> * .5	4e5  }   -  - !=1234567890 L"ws"- ::  LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 
/* main.c 1615: */x  
/* main.c 1616: */->  -  - 
/* main.c 1617: */+=  1>>=	!+	...  9
/* main.c 1618: */9  ~ /<= >> ?  <=  1234567890 alpha_beta_gamma_delta L"ws"~ 077  
/* main.c 1619: */
/* main.c 1620: */xab::	x	::-  -  <= f(1,2)	
/* main.c 1621: */z(2)int 
/* main.c 1622: */? L'w'	--  9
/* main.c 1623: */9  && -
/* main.c 1624: */ >
/* main.c 1625: */,?123456789 >=	^=1 1625	12L +1u .5 .5
/* main.c 1626: */+= 
/* main.c 1627: */x12L}  1e+10f'c' )
/* main.c 1628: */int 12L	L"ws" ]  a  1u defined 
/* main.c 1629: */]a  1e+10f) >>  !=  !=  -  <  < 1234567890{a.*b defined
/* main.c 1630: */1630<  <+++  9
/* main.c 1631: */9  -  9
/* main.c 1632: */9	 0;x=1;
/* main.c 1633: */!=- ~	defined || ."s"  ) 12 alpha_beta_gamma_delta ) 	
/* main.c 1634: */++{  ->  -=	1e+10f]	s.x 
/* main.c 1635: */1.5  << ,077  L"ws" 
/* main.c 1636: */+=0x7fffffff  <=  a	0;-> *	-  >>= 	>  >= 12L -=!=	1.5 	
/* main.c 1637: */
/* main.c 1638: */q
/* main.c 1639: */
/* main.c 1640: */||  LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 <  <  ,<  /  Lname >> alpha_beta_gamma_delta	0;<< -
/* main.c 1641: */ >} !  0x123456789  
/* main.c 1642: */
/* main.c 1643: */q
/* main.c 1644: */
/* main.c 1645: */<<~	-> [ <<=   int .5 || +<{1e+10f L'w'  += 12L!= defined !  --  1u <<=  &&  
/* main.c 1646: */1646 LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 ||w  * &&  "s" 
/* main.c 1647: */9
/* main.c 1648: */9 .%-
/* main.c 1649: */ > 0;  ;  
/* main.c 1650: */
/* main.c 1651: */q
/* main.c 1652: */
/* main.c 1653: */>>  
/* main.c 1654: */+=  1  1	-=++  <  <  0;  0;  >> <<=  ?	0x123456789  && alpha_beta_gamma_delta  <= :  >>=
/* main.c 1655: */
/* main.c 1656: */q
/* main.c 1657: */
/* main.c 1658: */1234567890 += *  z(2)  1658	- % a.*b <  <  <  <  <=  4e5	::.	
/* main.c 1659: */
/* main.c 1660: */+=  <  9 ::  ^= ) >	1.5--	(2)	+=  %  ==  + <= 12 <  <  ==  ; ( 
/* main.c 1661: *// a 1  a.*b a  ->  +&
/* main.c 1662: */ &  ... 
/* main.c 1663: */ab ?1e+10f-> * ++ LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 ...	9
/* main.c 1664: */9
/* main.c 1665: */1		 ^=  &&	a.*b  <<= >= ...  >>=  0x7fffffff  ||  L'w'  0x7fffffff w . >> 
/* main.c 1666: */
/* main.c 1667: */q
/* main.c 1668: */
/* main.c 1669: */(2)  >  !  
/* main.c 1670: */1.5	
/* main.c 1671: */
/* main.c 1672: */q
/* main.c 1673: */
/* main.c 1674: */++ ->  LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 9
/* main.c 1675: */9 % 12L	] z(2) -=4e5*  +	1 --<  <  
/* main.c 1676: */!=  *++ Lname	{ 
/* main.c 1677: */
/* main.c 1678: */q
/* main.c 1679: */
/* main.c 1680: */9 .5 0x7fffffff .5 .5 .5  12L -  - 0;  ++ 123456789+=  LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 1680  1 x<= 
/* main.c 1681: */,	]	1u  ... 
/* main.c 1682: */{int ! a /<  < 9 w 1.5::-> * 'c'  -  12L	&&?  ~	1234567890  ++	
/* main.c 1683: */Lname  >=	+=!		 s.x defined 1.5 defined 123456789!= 1	->  &&
/* main.c 1684: */+= 4e5  f(1,2), Lname  
/* main.c 1685: */.<  <0;... 1u== 12L  1e+10f<<=->>= >=a  -- <	||
/* main.c 1686: */
/* main.c 1687: */q
/* main.c 1688: */
/* main.c 1689: */<<=a.*b  {  0x123456789	<  <z(2) >int %	
/* main.c 1690: */
/* main.c 1691: */
/* main.c 1692: */q
/* main.c 1693: */
/* main.c 1694: */int-=  L'w'}  _asm_not a 077 1234567890 f(1,2) (2) >  1.5	077 + ||12
/* main.c 1695: */
/* main.c 1696: */1234567890-
/* main.c 1697: */ > 9
/* main.c 1698: */9 1e+10f  ]1u;  
/* main.c 1699: */x=1; 4e5<<=/==1699  	1||	z(2) w >>= ?<<=12L  L'w' "s"  .5	-
/* main.c 1700: */ >   ==  a , 
/* main.c 1701: */x? ! >  >= ++12L  12L  ) ((2) 
/* main.c 1702: */
/* main.c 1703: */0 !=>  9	^=  ,, (2) 077 Lname	9 
/* main.c 1704: */
/* main.c 1705: */q
/* main.c 1706: */
/* main.c 1707: */1.5	
/* main.c 1708: */
/* main.c 1709: */q
/* main.c 1710: */
/* main.c 1711: */defined .5 int  ( f(1,2)	
/* main.c 1712: */x&
/* main.c 1713: */ & 0x123456789 >  >=  a -- 0;9  <= L"ws"		a.*b s.x<  <  <  s.x[ x  1 9
/* main.c 1714: */9 _asm_not  ,[   
/* main.c 1715: */1234567890	z(2) ... 1e+10f +  -= ; ~	>> 9
/* main.c 1716: */9 .* &
/* main.c 1717: */ &  ++->>	  defined ,	.5->  * 9
/* main.c 1718: */9 
/* main.c 1719: */]w	>>  >  >= [ 123456789	>= 
/* main.c 1720: */ab	
/* main.c 1721: */
/* main.c 1722: */q
/* main.c 1723: */
/* main.c 1724: */!= >  >= 
/* main.c 1725: */
/* main.c 1726: */!=
/* main.c 1727: */077	z(2)	1.5  ;  >  >= ] * ||  1u  <  <
/* main.c 1728: */?1728||  0; -> * >>-- w <	'c'int 1  0x7fffffff +	
/* main.c 1729: */L'w' && 0x123456789 0x7fffffff	LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1	
/* main.c 1730: */<<= 
/* main.c 1731: */x<  &
/* main.c 1732: */ & int	9
/* main.c 1733: */9 ++;  :  1e+10f-> * >>= ++  >>=
/* main.c 1734: */
/* main.c 1735: */L"ws"  
/* main.c 1736: */z(2) 9
/* main.c 1737: */9
/* main.c 1738: */x<<=--  1738 .5 % 
/* main.c 1739: */1u-> *  LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1  >=  ?LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1  alpha_beta_gamma_delta	:: 
/* main.c 1740: */- a-  -	
/* main.c 1741: */
/* main.c 1742: */q
/* main.c 1743: */
/* main.c 1744: */1	-  --- 1234567890 +=>  >=  >>=	>>=  z(2)	:: 0; /<<=
/* main.c 1745: */
/* main.c 1746: */q
/* main.c 1747: */
/* main.c 1748: */{  ->  ) ==  1u ++ 1	'c' (  -  -&
/* main.c 1749: */ &  		
/* main.c 1750: */? 9
/* main.c 1751: */9	^= 
/* main.c 1752: */0x123456789  ==	.5	!=   : 1234567890  >>	0; a.*b 'c'  &&  >=)  -
/* main.c 1753: */ >  int --  <	>  >=  *  
/* main.c 1754: */x
/* main.c 1755: */s.x  ]/ ||  -	L'w'  
/* main.c 1756: */
/* main.c 1757: */ab  
/* main.c 1758: */
/* main.c 1759: */--123456789	_asm_not	>>...	12 1u 123456789  defined x alpha_beta_gamma_delta+=: 
/* main.c 1760: */>  >= defined	++1.5 12 { ? ; LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 <= 
/* main.c 1761: */1761  'c'  } int->9	defined-
/* main.c 1762: */ >  
/* main.c 1763: */&
/* main.c 1764: */ & 0x7fffffff s.x  ~ <=	
/* main.c 1765: */
/* main.c 1766: */+= 1u f(1,2)  != x !	-=  w ||	
/* main.c 1767: */(	||	LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 ~  . a	9	-
/* main.c 1768: */ > [x=1;  
/* main.c 1769: */
/* main.c 1770: */q
/* main.c 1771: */
/* main.c 1772: */... LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 
/* main.c 1773: */ab %!=!=alpha_beta_gamma_delta 
/* main.c 1774: */ab  9
/* main.c 1775: */9 <-  -	1775  		0;1.5 -	_asm_not w!=x L"ws"(2) int 
/* main.c 1776: */)  x?  ::>  >=>>= 12 
/* main.c 1777: */ab *  (2)  0x123456789  "s" ;a.*b 4e5 alpha_beta_gamma_delta  &
/* main.c 1778: */ &  1234567890* 
/* main.c 1779: */
/* main.c 1780: */+_asm_not	-> * 0;  x=1;w  defined alpha_beta_gamma_delta ~  << 
/* main.c 1781: */]>> _asm_not-
/* main.c 1782: */ >  >=w {  Lname 
/* main.c 1783: */ab w >= :>=   .5 
/* main.c 1784: */
/* main.c 1785: */Lname ; 
/* main.c 1786: */> (2)!  ++
/* main.c 1787: */
/* main.c 1788: */q
/* main.c 1789: */
/* main.c 1790: */9
/* main.c 1791: */9	}  || s.x 9 ;	alpha_beta_gamma_delta : 
/* main.c 1792: */12	++  >=
/* main.c 1793: */
/* main.c 1794: */q
/* main.c 1795: */
/* main.c 1796: */1u	-  -defined  9
/* main.c 1797: */9 077 0x123456789 0 !  0x7fffffff L"ws" -- 'c'  -  -	w  <-> *  -  -  077&
/* main.c 1798: */ &  +=  * 1e+10f  
/* main.c 1799: */
/* main.c 1800: */LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1	++: w 1e+10f-=  .5<=0 ...	w {	 
/* main.c 1801: */(2) ++  'c'	9
/* main.c 1802: */9  w .  )	%]  ^=  
/* main.c 1803: */+=0 w 1 077  
/* main.c 1804: */+ 9
/* main.c 1805: */9 )  ... +=s.x/ 9
/* main.c 1806: */9 0;1.5!=123456789 ...  - ... 0  'c'  
/* main.c 1807: */0x7fffffff  >  >=  z(2) ==  -0;  [ w x=1;.5 << f(1,2) 4e5	a.*b 0; .	9
/* main.c 1808: */9 && 1234567890  
/* main.c 1809: */
/* main.c 1810: */ab x  a	<  < !  L"ws"  .5  ->s.x  ~-   ->   1810-  -int  ]  -> -> * 
/* main.c 1811: */x1e+10f ...% 1234567890  L"ws"L'w'   
/* main.c 1812: */: >  <=  <<Lname  ^= -  L"ws"  -
/* main.c 1813: */ >	9
/* main.c 1814: */9 4e5 ]  -= z(2)  
/* main.c 1815: */
/* main.c 1816: */-> * 1.5	1.5  . alpha_beta_gamma_delta	-  -  } %  12L  &&  w ( 1e+10f defined f(1,2)...-=9	x
/* main.c 1817: */a.*b ;  1234567890  ]	0x123456789 0x123456789 w &
/* main.c 1818: */ &	0x7fffffff	0x7fffffff 
/* main.c 1819: */
/* main.c 1820: */q
/* main.c 1821: */
/* main.c 1822: */~  : --	. LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1  +	'c' ]  ||0 != *alpha_beta_gamma_delta 
/* main.c 1823: */
/* main.c 1824: */&&-=<<
/* main.c 1825: */
/* main.c 1826: */q
/* main.c 1827: */
/* main.c 1828: */+  
/* main.c 1829: */x,  
/* main.c 1830: */+=	077 
/* main.c 1831: */ab  _asm_not	077+<<	4e5  >  >= <  < f(1,2)  >= a.*b [
/* main.c 1832: */
/* main.c 1833: */q
/* main.c 1834: */
/* main.c 1835: */-
/* main.c 1836: */ > L'w'123456789 123456789 s.x != &&!=-defined  -= ~x=1;  
/* main.c 1837: */0x7fffffff) -=  ; s.x
/* main.c 1838: */x
/* main.c 1839: */++  s.x w ^=	
/* main.c 1840: */ab  {>=  ::  "s" )   += <  <  >=  Lname  
/* main.c 1841: */||1  ^=  z(2) .5(2)
/* main.c 1842: */
/* main.c 1843: */+=	12  :	?!= 1e+10f -> 1e+10f 'c'	; >  >= &
/* main.c 1844: */ &	<<: > z(2)	1844'c'  ::  ( 
/* main.c 1845: */->	<<= -
/* main.c 1846: */ > :	&
/* main.c 1847: */ & >>x >>L'w'  w 4e5	-  -] 
/* main.c 1848: */LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 ~ +  >  >=  !=   
/* main.c 1849: */int >>	* x 1u	
/* main.c 1850: */-	:>>= ><<=[ *	] - 1850 "s"  z(2) Lname!=+= ||  (2)	== 
/* main.c 1851: */... 0  1e+10f 
/* main.c 1852: */
/* main.c 1853: */.5	1e+10f 
/* main.c 1854: */0x123456789 077 ++  
/* main.c 1855: */
/* main.c 1856: */>= :>>= >= 0  [	Lname  ~::  ++  12L 
/* main.c 1857: */xz(2) ] ( a  ?  s.x>> 
/* main.c 1858: */ab	L"ws"  ---
/* main.c 1859: */ >  >>
/* main.c 1860: */+= ->a.*b
/* main.c 1861: */
/* main.c 1862: */x==	.  defined 0; !:: }  
/* main.c 1863: */a 
/* main.c 1864: */...	-
/* main.c 1865: */ >;::  &
/* main.c 1866: */ & ^=L'w'  -  - 
/* main.c 1867: */
/* main.c 1868: */_asm_not . s.x -
/* main.c 1869: */ > - ] ... a.*b  <  <  ->x=1;	-  ->=/ 
/* main.c 1870: */1u  int 077 Lname	defined	defined  defined 123456789 1.5 (2)   +
/* main.c 1871: */xx=1;  [ _asm_not::.5 12L 1234567890	'c'  ::  -> *]  		
/* main.c 1872: */>>=  +	w <a  !> "s"  1234567890 >>int++ .5 {<<4e5  ++ -: alpha_beta_gamma_delta z(2)  "s"int>= 
/* main.c 1873: */1873  != f(1,2) ::  ;
/* main.c 1874: */<  <	?	>  >=  0x123456789 <=
/* main.c 1875: */ab	== ::  9 !=  
/* main.c 1876: */<   <a  12L defined  }  1876
/* main.c 1877: */
/* main.c 1878: */1u  
/* main.c 1879: */>= 
/* main.c 1880: */+= 1234567890  
/* main.c 1881: */1	[ "s"++ %
/* main.c 1882: */-=  9
/* main.c 1883: */9==defined 
/* main.c 1884: */+=	"s"
/* main.c 1885: */<<	
/* main.c 1886: */+=>  >= int -  - 123456789 >>=0x7fffffff: [ --  !=	
/* main.c 1887: */{ / -= ::	0x7fffffff  -  -  && ? >>=  ? 
/* main.c 1888: */12&
/* main.c 1889: */ &	a.*b >  >=  ( a< 
/* main.c 1890: */|| defined	(	+=9
/* main.c 1891: */9   
/* main.c 1892: */_asm_not } /w z(2)
/* main.c 1893: */1e+10f	 int alpha_beta_gamma_delta  
/* main.c 1894: */Lname	] / ! 0;z(2){: != >>=
/* main.c 1895: */z(2) -- <  <	-> * >> }  <=	123456789  %-> x 4e5 ... 1u  [ 1895 >=  -  -  / 0x7fffffff  
/* main.c 1896: */x(  Lname z(2)	077  &&  
/* main.c 1897: */ab -  - a.*b [; 0x7fffffff  ||  1e+10f ??  { 	->
/* main.c 1898: */1! _asm_not  .5 >> "s"	alpha_beta_gamma_delta  "s"^=...  .5 : -
/* main.c 1899: */ > 1e+10f x>>= )L'w'  
/* main.c 1900: */x||9{  
/* main.c 1901: */+= ; %alpha_beta_gamma_delta  )  077+->	x=1; 'c'  a ...	L"ws" 
/* main.c 1902: */
/* main.c 1903: */!= 077 <<'c'	== == 0 >  >=9 f(1,2)  -= alpha_beta_gamma_delta -> *  >  >=  z(2) alpha_beta_gamma_delta x 077-
/* main.c 1904: */ > [ -  -	 
/* main.c 1905: *//0x123456789 +=	} a alpha_beta_gamma_delta  1u==[L'w' }  
/* main.c 1906: */
/* main.c 1907: */- ? &&  1907  :  -> *	L"ws"% 0	L"ws" < 123456789	1u  ~	<<=  
/* main.c 1908: */
/* main.c 1909: */q
/* main.c 1910: */
/* main.c 1911: */12L f(1,2)  !	L"ws" _asm_not  	12 a 0;+=  -  -  19
/* main.c 1912: */9  ->  <<= 
/* main.c 1913: */<=	L'w' ;* -	...( *"s"  -
/* main.c 1914: */ >~  ->  ++  .5 ( .
/* main.c 1915: */a.*b	<  <  ++  LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1  
/* main.c 1916: */(2)  077	!=< +=<  < &
/* main.c 1917: */ &)alpha_beta_gamma_delta 1.5 4e5	1  x _asm_not <	_asm_not ^=	? 0;!=	_asm_not  0  0  
/* main.c 1918: */==  
/* main.c 1919: */+=*% -
/* main.c 1920: */ >  : 1234567890 {1 &
/* main.c 1921: */ &	 &
/* main.c 1922: */ & 1922 z(2)-> -
/* main.c 1923: */ > <=! !	a.*b  4e5  
/* main.c 1924: */->  'c':<= >>   &
/* main.c 1925: */ &  x f(1,2)	L'w'  077  'c'077 z(2) Lname	-  - ,  Lname  -> *
/* main.c 1926: */
/* main.c 1927: */>=++ 4e5	LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1	9
/* main.c 1928: */9 ] 4e5	]  
/* main.c 1929: */x[  )	'c'4e5 1e+10f  
/* main.c 1930: */->   9
/* main.c 1931: */9	alpha_beta_gamma_delta 077  <=>= ...  {	
/* main.c 1932: */ab 12	-> * 9 9 1	
/* main.c 1933: */<	>  >= 1 defined ]+  ? 
/* main.c 1934: */ab ! +	-
/* main.c 1935: */ > 0x123456789	%s.x 
/* main.c 1936: */++	<=12L	( s.x  9
/* main.c 1937: */9>>=  L'w'	)defined  <=LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 0;  077	a 
/* main.c 1938: */::
/* main.c 1939: */:: -  -   -- +.5 int >>=	w 
/* main.c 1940: */1u  >=  
/* main.c 1941: */>>  
/* main.c 1942: */x;	&
/* main.c 1943: */ &>=
/* main.c 1944: */
/* main.c 1945: */q
/* main.c 1946: */
/* main.c 1947: */12  -
/* main.c 1948: */ >	!] <  <  &&	
/* main.c 1949: */ab   * alpha_beta_gamma_delta 1.5  z(2) &
/* main.c 1950: */ &	::int 1950 1 0	s.x w int	
/* main.c 1951: */
/* main.c 1952: */(  1.5  123456789~	1u x=1;  L'w' 1.5 1u  % ;  1952 12  123456789  -  - 'c' / 1u->'c' .5 0; >=  
/* main.c 1953: */'c'  x=1;	++
/* main.c 1954: */%  s.x == 12^=	z(2) >  1e+10f		--  ,  
/* main.c 1955: */ab { 4e5 >> ||	1u	1	1 ;	
/* main.c 1956: */
/* main.c 1957: */q
/* main.c 1958: */
/* main.c 1959: */.5 w 1234567890	int LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 9  ( ...  "s"<<=	 && alpha_beta_gamma_delta   
/* main.c 1960: */~-> %
/* main.c 1961: */+= .5  x=1;   LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 <<= * 
/* main.c 1962: */ab  >  >=.5 12L int	w
/* main.c 1963: */12	...{->	s.x alpha_beta_gamma_delta   -> *
/* main.c 1964: */
/* main.c 1965: */xab .
/* main.c 1966: */12 'c'  += + <<=defined 1234567890  
/* main.c 1967: */9 -> *  f(1,2) ~  -	 ^= 9 ? 0 1e+10f  / "s"  
/* main.c 1968: */-
/* main.c 1969: */ >   >  . 
/* main.c 1970: */x-=LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 s.x  f(1,2)	<=1.5 s.x  ^= s.x  ? a <  < 
/* main.c 1971: */ab { 
/* main.c 1972: */<  <==	&&	alpha_beta_gamma_delta  "s"	1234567890  
/* main.c 1973: */
/* main.c 1974: */) % 
/* main.c 1975: */+=  -
/* main.c 1976: */ > -  -  
/* main.c 1977: */;	- /0x123456789  <  <	
/* main.c 1978: */
/* main.c 1979: */q
/* main.c 1980: */
/* main.c 1981: */_asm_not >  >= 1981  f(1,2)  -
/* main.c 1982: */ >	<  1/ 1982 +  
/* main.c 1983: */0;	Lname &&>  :: 
/* main.c 1984: */
/* main.c 1985: */+ . 
/* main.c 1986: */ab Lname x-  -1e+10f  s.x	<  <123456789 _asm_not  -> << 0x7fffffff ~ *? (2) x 9
/* main.c 1987: */9	>
/* main.c 1988: */a[	.5
/* main.c 1989: */+= 
/* main.c 1990: */... -- ||
/* main.c 1991: */x<<  ;  
/* main.c 1992: */!=]	>  >= 0;  'c'LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 1234567890 -> * 0x123456789 x=1; +=  > 
/* main.c 1993: */(2)  *	 ==  int ...::  a.*b  ==)  L"ws" defined	12L a.*b	 a L'w' ->0  --4e5  w 
/* main.c 1994: */
/* main.c 1995: */q
/* main.c 1996: */
/* main.c 1997: */^= (2)  0; 
/* main.c 1998: */<<  12L	>>=  
/* main.c 1999: */: -
/* main.c 2000: */ >   >  >= 12L  12L :	"s".^=  a Lname== +  <<=  ;  a.*b 077  ||  ||+  
/* main.c 2001: */>=  .	4e5	>   ==z(2) 077 4e5	Lname 1u  9 -  -  x=1;  -- L'w'  * 1u 0x123456789	 
/* main.c 2002: */1e+10f++ 9 
/* main.c 2003: */(LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1  *   
/* main.c 2004: */-> *  >>=	; 077  
/* main.c 2005: */ab	::~  } 
/* main.c 2006: */
/* main.c 2007: */q
/* main.c 2008: */
/* main.c 2009: */<  <alpha_beta_gamma_delta ) 
/* main.c 2010: */||++-> LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 ++0x123456789	f(1,2)	1  >  >=	
/* main.c 2011: */x[ x  ] :  a.*b 0	>  >= 0; ::
/* main.c 2012: */
/* main.c 2013: */+=0x7fffffff!=  1u++!/ 4e5 +=  s.x { 	%  (2)	
/* main.c 2014: */_asm_not a  , _asm_not  a  -  -	::  12L  0x123456789 12 4e5  <<=  <= 1234567890 [>&&  &
/* main.c 2015: */ &  -
/* main.c 2016: */ >  2016
/* main.c 2017: */x.	0x7fffffff  <<= 123456789  
/* main.c 2018: */1234567890  [ 		_asm_not  0  1 a.*b >> ( Lname 0x7fffffff  (-> * 
/* main.c 2019: */
/* main.c 2020: */0;  _asm_not &&1e+10f .5  ->-> * x=1; .5 --||  [4e5 1.5  ! a ||! ||1  
/* main.c 2021: */1234567890  !	12L &&defined L'w'	< ||  a>> 
/* main.c 2022: */]  1  defined { (2) 
/* main.c 2023: */<=  	 ]	?  
/* main.c 2024: */*9
/* main.c 2025: */9  2025 ,[Lname == 1234567890 LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1  (2)  1u 12(  .	) 123456789 
/* main.c 2026: */;<  <  ]	>=  -
/* main.c 2027: */ > (  0x123456789 a .  ~/  
/* main.c 2028: */: 
/* main.c 2029: */ab  x=1; -  .	. 12 4e5	-
/* main.c 2030: */ >	<1e+10f 
/* main.c 2031: */
/* main.c 2032: */L'w' 
/* main.c 2033: */
/* main.c 2034: */+= -		 <=  077 int  + ^= 123456789  -
/* main.c 2035: */ >  ++  077 w 077  ~  LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1-  -  . 0x123456789 077 -
/* main.c 2036: */ > 
/* main.c 2037: */
/* main.c 2038: */q
/* main.c 2039: */
/* main.c 2040: */(2) (2)123456789 _asm_not	LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1
/* main.c 2041: */+= 9
/* main.c 2042: */9+	9 )9	+= >= defined 'c' <)  || != 
/* main.c 2043: */{ ++	<<=	!= 077 > <	L'w'  1u x=1; 0
/* main.c 2044: */.5 defined z(2)  L'w'?  /<  < .	  --  alpha_beta_gamma_delta x=1;1.5 !=  ?  Lname  s.x 9 0x123456789 ~L"ws"
/* main.c 2045: */[  1234567890 %--}  }== 123456789 &
/* main.c 2046: */ &  4e5 s.x  L"ws" ...  
/* main.c 2047: */L'w'	[1234567890	, 	} f(1,2)  >>= && int  defined
/* main.c 2048: */'c' ++ 
/* main.c 2049: */L'w'  --
/* main.c 2050: */>
/* main.c 2051: */
/* main.c 2052: */-
/* main.c 2053: */ >  <  < 'c'  [ , ++ <= >   f(1,2) Lname  0; a.*b  }9^= *
/* main.c 2054: */->	
/* main.c 2055: */+=  
/* main.c 2056: */a	>>  "s"-> *  >  >= x &
/* main.c 2057: */ & 	!=-= ^=  ^= !  >>=  L"ws"	--"s" <<=
/* main.c 2058: */x1u  .5 || w -
/* main.c 2059: */ > << -
/* main.c 2060: */ >  <  ?- +=9
/* main.c 2061: */9 0;  077  >>= 0  'c'
/* main.c 2062: */defined 
/* main.c 2063: */+=L"ws"  "s" 9
/* main.c 2064: */9 << -> 
/* main.c 2065: */+= == 4e5	<  <
/* main.c 2066: */>>w(2)  a.*b	2066 0x7fffffff	!0x123456789 a.*b &
/* main.c 2067: */ &%12
/* main.c 2068: */[ -> * "s"
/* main.c 2069: */x=1; >>=--077 ;  
/* main.c 2070: */x
/* main.c 2071: */+= 123456789 -  - f(1,2) 
/* main.c 2072: */077 L"ws" 	<  0	1u -= 12L&
/* main.c 2073: */ &  0; &
/* main.c 2074: */ &  x	>>=-= 
/* main.c 2075: */+= <  <  0x7fffffff	-  ^= -  -	 ==  >] 
/* main.c 2076: */
/* main.c 2077: */q
/* main.c 2078: */
/* main.c 2079: */s.x  ++f(1,2) 
/* main.c 2080: */_asm_not L'w'	_asm_not  ^=	w -> * ),	> % f(1,2)&
/* main.c 2081: */ &  0 077 0  L"ws"	1e+10f	?  << (2) 1	x 'c'1.5	
/* main.c 2082: */
/* main.c 2083: */0;]
/* main.c 2084: */ab<=:  }< x 1u	<  >  >= <  <  0x123456789, >  >= 
/* main.c 2085: */
/* main.c 2086: */xab >=	?< 12	.  << >  >=  
/* main.c 2087: */x=1;!=  
/* main.c 2088: */-
/* main.c 2089: */ > ~  LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1
/* main.c 2090: */
/* main.c 2091: */2091 _asm_not  1e+10f"s">>=	,  123456789 -  - 2091 _asm_not 1234567890 1234567890  +=  .5  >  >= "s" -=  -> * .  
/* main.c 2092: */x^=  ] ||  ::  L"ws" && --  s.x>>||	9
/* main.c 2093: */9 123456789	a  )  >12	int!= 
/* main.c 2094: */
/* main.c 2095: */q
/* main.c 2096: */
/* main.c 2097: */a.*b "s" 123456789  -= -  1e+10f :%	<<  
/* main.c 2098: */&
/* main.c 2099: */ &1u w] +=  0x123456789  (  += 0  
/* main.c 2100: */{	_asm_not 123456789 && }	<  <	 <  < 9
/* main.c 2101: */9 +=	::  ==  &
/* main.c 2102: */ & -
/* main.c 2103: */ >	-  -   -> 1u  <=  "s" 123456789 
/* main.c 2104: */; 077 ,	x	12L-  -   <  .!=077 
/* main.c 2105: */
/* main.c 2106: */>>	> 9-> *	s.x	'c'  1  1234567890  ( 
/* main.c 2107: */||==  LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 
/* main.c 2108: *//  2108   
/* main.c 2109: */L"ws"	!	|| 1< 0x7fffffff
/* main.c 2110: */+= 0  1e+10f  )  >= -
/* main.c 2111: */ >  9
/* main.c 2112: */9
/* main.c 2113: */(2) 0;  x=1;<< 1u  ,  - ::  +	||  <  <  alpha_beta_gamma_delta 1234567890 ( ::  	  
/* main.c 2114: */
/* main.c 2115: */q
/* main.c 2116: */
/* main.c 2117: */1e+10f	LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 <123456789 1u -
/* main.c 2118: */ >   >  >= <   <  < z(2)  <= _asm_not 123456789  
/* main.c 2119: */
/* main.c 2120: */-- >> * 
/* main.c 2121: */ab  4e5 1.5  <4e5 !	->  + >= &
/* main.c 2122: */ &	f(1,2)  -
/* main.c 2123: */ >   >>=  ] -  - w  1u 
/* main.c 2124: */->	 }  'c'  --9  / 9
/* main.c 2125: */9  :	-
/* main.c 2126: */ > /  'c'/	077 <=  1u <  <L"ws")?f(1,2)  (  x=1;	123456789	
/* main.c 2127: */...  x=1;>>; -> z(2)1u
/* main.c 2128: */-> 	  
/* main.c 2129: */x;	_asm_not  alpha_beta_gamma_delta ]0x123456789	~>  >= f(1,2)  /,	~<  <	( -> *	;  defined  
/* main.c 2130: */a.*b->  != .5/>0; << 
/* main.c 2131: */0;  >>4e5 0x7fffffff Lname + 1	x=1;	a.*b  a  -= 1.5  	z(2)
/* main.c 2132: */-  ++  
/* main.c 2133: */LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 ?]  [ &
/* main.c 2134: */ &		...: 	{ a.*b 
/* main.c 2135: */
/* main.c 2136: */
/* main.c 2137: */:: -=  .   ...  z(2)a.*b ) +  <<	 .5 a.*b  ~*  1.5	s.x	1e+10f	-  -  -	12L
/* main.c 2138: */defined  "s"  * 0	<< ||	
/* main.c 2139: */w{  Lname  0 (2) -- }	:: 9
/* main.c 2140: */9 L'w'  
/* main.c 2141: */9 0x123456789:: 
/* main.c 2142: */-> s.x; (2)
/* main.c 2143: */.5  x  &
/* main.c 2144: */ & ,  1234567890  0 s.x 
/* main.c 2145: */==	:  
/* main.c 2146: */+=  >  >=	:	+=  : >= &
/* main.c 2147: */ &  12 LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1&& f(1,2)	]  123456789 'c'  0; <<= 'c' [  ; 
/* main.c 2148: */xa.*b 1  &
/* main.c 2149: */ &2149  9
/* main.c 2150: */9 += --  1.5 2150 a >>  )<<=  >	f(1,2) 
/* main.c 2151: */+=>>= w  _asm_not 0x123456789 
/* main.c 2152: */
/* main.c 2153: */q
/* main.c 2154: */
/* main.c 2155: */::  .  
/* main.c 2156: */]<<  1e+10f~f(1,2) ==>9 >>/ 2156 ::  z(2)a.*b>>=	L'w'  a.*b	z(2)  
/* main.c 2157: */end
/* main.c 2158: */
/* main.c 2159: */
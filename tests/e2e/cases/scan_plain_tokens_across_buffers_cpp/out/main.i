/* main.cpp 1: */}:
/* main.cpp 2: */ :[:
/* main.cpp 3: */ :.*] 0  } Lf(1,2)LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1; 12  12  alpha_beta_gamma_deltaclass s.*ptry [ &: ||'c'  12  >->
/* main.cpp 4: */ * >> x::yx 
/* main.cpp 5: */Lname) xalpha_beta_gamma_delta M(q) );*
/* main.cpp 6: */!= != ,+= 
/* main.cpp 7: */int? > ~  ,+= :: x=1; 123456789 f(1,2) .* :
/* main.cpp 8: */ :* ->* >> __try || class &alpha_beta_gamma_delta(->]->.*---
/* main.cpp 9: */ >*  	> )try int LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1>> 
/* main.cpp 10: */,try:  -> >__try&& M(q) x ,int || *L 
/* main.cpp 11: */
/* main.cpp 12: */!=->x==LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 catch class- class < LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1	->q L
/* main.cpp 13: */
/* main.cpp 14: */:
/* main.cpp 15: */ : 0  ?__try)try L>>  	[->
/* main.cpp 16: */ *:x Lx::y+=__try? alpha_beta_gamma_delta ->*s.*p
/* main.cpp 17: */'c'?->> {
/* main.cpp 18: */f(1,2) x::y-  ->->
/* main.cpp 19: */ *LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1&&+=&&->
/* main.cpp 20: */ *catch "s" ->
/* main.cpp 21: */ *__tryclass&&LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1&&--* ->s.*p ->
/* main.cpp 22: */ * 
/* main.cpp 23: */int+=catchcatchclasss.*p>> alpha_beta_gamma_delta<.* 
/* main.cpp 24: */~
/* main.cpp 25: */:
/* main.cpp 26: */ :
/* main.cpp 27: */
/* main.cpp 28: */,  }catchalpha_beta_gamma_delta *~!= 12 Lname-
/* main.cpp 29: */ >*
/* main.cpp 30: */<<=L<- 
/* main.cpp 31: */ ==LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1>&&x x=1;  123456789  <  0 ] ::f(1,2) x::y>  a->*b->
/* main.cpp 32: */ *>> )x=1;:: ->*: ? < alpha_beta_gamma_deltaxLONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1;* Lclass[ 123456789 && ? {
/* main.cpp 33: */
/* main.cpp 34: */: s.*px->x ->* "s"   __try?+=__try s.*pf(1,2))-
/* main.cpp 35: */ >*a->*bx=1;catch ::__try-> 	==-
/* main.cpp 36: */
/* main.cpp 37: */::s.*p->->>> {,
/* main.cpp 38: */; 123456789  s.*p==( ~!="s" 123456789  Lname 
/* main.cpp 39: */~] .* .*||Lname->[ Lname [==try catch:
/* main.cpp 40: */ : ,	 q a->*b  0  
/* main.cpp 41: */
/* main.cpp 42: */->
/* main.cpp 43: */ *x=1;;s.*p!=>> +=
/* main.cpp 44: */; != {; .* != Lname ==
/* main.cpp 45: */
/* main.cpp 46: */x::y 'c' ::* class ? ;x Lname>>~ s.*palpha_beta_gamma_delta >> !=~:Lname 123456789 >
/* main.cpp 47: */)a->*b a->*b<int?: -- ||&&||	 alpha_beta_gamma_delta& a->*b "s" 
/* main.cpp 48: */
/* main.cpp 49: */;  classx::y] 
/* main.cpp 50: */:  123456789 [ -
/* main.cpp 51: */ >* 
/* main.cpp 52: */__try+= int ->* } ,>>"s"
/* main.cpp 53: */-
/* main.cpp 54: */ >*||<<=~ 0 :
/* main.cpp 55: */ : && &  &&s.*p~q "s" int >>__try x::yclassM(q)> (== !=->class}__try
/* main.cpp 56: */{)( ->
/* main.cpp 57: */ *- 
/* main.cpp 58: */q  12  Lname- L*"s"-
/* main.cpp 59: */ >*class q L? f(1,2) ==- += }q "s"}--x::y  <<= ->
/* main.cpp 60: */ * (& s.*p(< &.* [||x::y< || 12 { <  < L LnameL  12  	{ x::yM(q)
/* main.cpp 61: */== !=? 123456789 
/* main.cpp 62: */LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1-
/* main.cpp 63: */ >*== 123456789  L<: alpha_beta_gamma_delta,q 	 catch a->*b )|| f(1,2) ----
/* main.cpp 64: */q [ ]LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 s.*p ::trytry} &&q---
/* main.cpp 65: */ >*:
/* main.cpp 66: */ : f(1,2)!=
/* main.cpp 67: */]; ->) 0 &&int<<=x=1;(<<=try, - q: 	&&int 
/* main.cpp 68: */:::
/* main.cpp 69: */ : -> &&: ]L&~  0  s.*pL} <? ->
/* main.cpp 70: */ *- class[class "s" 'c' [ 0  12 x=1; 
/* main.cpp 71: */||[:
/* main.cpp 72: */ : 123456789 
/* main.cpp 73: */
/* main.cpp 74: */||<!=>>> )!= && }L __try "s".* ; [L LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 +=
/* main.cpp 75: */q~ ::-
/* main.cpp 76: */ >*] ,   0 'c': != --Lname:: 0  Lnamea->*b <> __try->*s.*p:
/* main.cpp 77: */s.*pxs.*p->  *!= x=1; [}->  *> q q
/* main.cpp 78: */
/* main.cpp 79: */try -
/* main.cpp 80: */ >* "s"<<=(.* 123456789  LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 0 'c' 
/* main.cpp 81: */__try 123456789 a->*b [ : *!=>> !=  0  'c';try ==__try*
/* main.cpp 82: */f(1,2)->
/* main.cpp 83: */ *{ +=:  :
/* main.cpp 84: */
/* main.cpp 85: */q  {try  0  &<<= } x=1; intLname<<='c' <<=q x=1;x=1;*x::y,
/* main.cpp 86: */
/* main.cpp 87: */:+=*alpha_beta_gamma_delta   - }-
/* main.cpp 88: */ >*->* & -- 
/* main.cpp 89: */
/* main.cpp 90: */-
/* main.cpp 91: */]s.*p s.*p :
/* main.cpp 92: */ : ] catch> catch f(1,2) 12   
/* main.cpp 93: */
/* main.cpp 94: */,-> 
/* main.cpp 95: */L x=1; 
/* main.cpp 96: */&& <<=||(:&--.*&& 'c' class: q try<  123456789 a->*b 
/* main.cpp 97: */.* >  0 
/* main.cpp 98: */
/* main.cpp 99: */[& 
/* main.cpp 100: */
/* main.cpp 101: */.* 
/* main.cpp 102: */( ]: -
/* main.cpp 103: */ >*"s"	.*
/* main.cpp 104: */try 'c'
/* main.cpp 105: */
/* main.cpp 106: */<<= < &>> tryintx=1;- x 123456789 }:
/* main.cpp 107: */ :class .*<  ->* { -	 >>? -
/* main.cpp 108: */ >*) a->*b 'c' 0 -(
/* main.cpp 109: */LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 
/* main.cpp 110: */-> [LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 ,->* > {LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1
/* main.cpp 111: */|| >,x::y !=__try a->*b 12 	 f(1,2)f(1,2) x=1; ->
/* main.cpp 112: */ * )::<<= >] ::
/* main.cpp 113: */}catchx=1;< class && &&: >>*
/* main.cpp 114: */Lname ->*
/* main.cpp 115: */
/* main.cpp 116: */->
/* main.cpp 117: */ *x->
/* main.cpp 118: */ * L) 
/* main.cpp 119: */'c' ;? ->*-> --]->>  ) ::<; :x::y ( :: :
/* main.cpp 120: */ : catchalpha_beta_gamma_delta	 'c' :
/* main.cpp 121: */ :  +=x=1;  0 L+= int!= 
/* main.cpp 122: */a->*bs.*pa->*b 
/* main.cpp 123: */LM(q)->*>>> q ; q ; )&   >> LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 
/* main.cpp 124: */
/* main.cpp 125: */-- 'c' 12 __try 
/* main.cpp 126: */
/* main.cpp 127: */*::catch <, classf(1,2)q  123456789  ~ ? x s.*p >><<=<alpha_beta_gamma_delta ?
/* main.cpp 128: */__tryf(1,2) 0  == x 
/* main.cpp 129: */;s.*pa->*b * , 	? <<= 
/* main.cpp 130: */~f(1,2) classf(1,2)+=~] __tryx=1;== ~ 
/* main.cpp 131: */(- :
/* main.cpp 132: */ :->
/* main.cpp 133: */ *->,->->
/* main.cpp 134: */ * a->*b )|| .*] 0 -> &&catch)-> 
/* main.cpp 135: */x=1; || <+=
/* main.cpp 136: */
/* main.cpp 137: */<a->*b --x=1;||  
/* main.cpp 138: */*  ||->*->
/* main.cpp 139: */ * 
/* main.cpp 140: */
/* main.cpp 141: */?->* x * catch- ] > int alpha_beta_gamma_delta--alpha_beta_gamma_delta ]  0  x=1;LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 123456789 >  >-
/* main.cpp 142: */ >*&& || 123456789 ->
/* main.cpp 143: */ *int x< class x-- [ :: ( : <<=	---
/* main.cpp 144: */ >* 123456789 Lname]
/* main.cpp 145: */
/* main.cpp 146: */
/* main.cpp 147: */x ->* )~ 123456789 catch== class->> 	 int< :: Lname ( { ;; <
/* main.cpp 148: */f(1,2) classLname-x::y
/* main.cpp 149: */.*classM(q) .*:->*'c'  12  __tryf(1,2)
/* main.cpp 150: */~+= 	[[))* q catch||try - [ >>- ]; ->
/* main.cpp 151: */
/* main.cpp 152: */x::y  12 ->* 123456789  >>class LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1>>==< { &&<<= >
/* main.cpp 153: */<<= ?
/* main.cpp 154: */
/* main.cpp 155: */
/* main.cpp 156: */->*.* LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1x=1; || .*x__try?  12  catch  >{ -
/* main.cpp 157: */ >* -&&::.*a->*b[ && ==== alpha_beta_gamma_delta 
/* main.cpp 158: */--s.*p catch (, ->Lname 
/* main.cpp 159: */?|| f(1,2) :
/* main.cpp 160: */ :  12 ] 	x::yclass != }&&  __try , &>> && -
/* main.cpp 161: */ >*
/* main.cpp 162: */<[Lx   
/* main.cpp 163: */
/* main.cpp 164: */x=1; catch class []try x::y 0  ->
/* main.cpp 165: */ * <int [ 0 ::& (~ 	alpha_beta_gamma_delta  12  0 >> f(1,2) [ (->
/* main.cpp 166: */ *x ,<
/* main.cpp 167: */--* * 'c' ~ ==<<=[ ::a->*b[ 
/* main.cpp 168: */
/* main.cpp 169: */:
/* main.cpp 170: */ :->*: __tryx=1;+=alpha_beta_gamma_delta  123456789 	) :; --<:
/* main.cpp 171: */ :)L < q
/* main.cpp 172: */
/* main.cpp 173: */12 >*
/* main.cpp 174: */
/* main.cpp 175: */catch 	x::y {) { += ->
/* main.cpp 176: */ *a->*b> -
/* main.cpp 177: */ >* LnameLONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 ]:?(Lname & <<= try->
/* main.cpp 178: */ * tryint ? 
/* main.cpp 179: */int:: &&{(||Lname x::y!= ->* 0  || 
/* main.cpp 180: */;> !=x "s"&-
/* main.cpp 181: */ >*, catchM(q).*}-> } 123456789  -  +===> -- 12 x=1; , ->+= &&LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1) ? 123456789  
/* main.cpp 182: */>a->*b-  == 12  &"s" *[ & 
/* main.cpp 183: */- ? >> ,>> 123456789 ) ::__try .*q)x::y __try --->*  a->*b!=}
/* main.cpp 184: */--  0  s.*p	+= s.*p
/* main.cpp 185: */
/* main.cpp 186: */((  0 ||->
/* main.cpp 187: */ *>>  == <'c' >>>>&&  0  ~ ) x=1;-><a->*b 'c'&>> {(< }==catch*f(1,2) > 'c'--Lname+= ( x=1; 'c'->* * 
/* main.cpp 188: */
/* main.cpp 189: */:
/* main.cpp 190: */ :q class "s" :__trys.*pLname? >
/* main.cpp 191: */
/* main.cpp 192: */->>>  ->*x=1;:
/* main.cpp 193: */ : 0  ?"s"
/* main.cpp 194: */
/* main.cpp 195: */a->*b : q += --x->*:
/* main.cpp 196: */ :
/* main.cpp 197: */L class::->
/* main.cpp 198: */ *  == == 
/* main.cpp 199: */
/* main.cpp 200: */>> (!===<<=, ->* } 0 .*  12 try>>x x::y ~   LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1< "s"<<=LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1-> == class), 0   0  q &class-
/* main.cpp 201: */ >*int){->* a->*bx::y!= -> 
/* main.cpp 202: */LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 -><<= 'c'(&& x=1; .*"s" -- & :-
/* main.cpp 203: */ >*
/* main.cpp 204: */>>Lx --"s"a->*bcatch||
/* main.cpp 205: */
/* main.cpp 206: */[ :
/* main.cpp 207: */ :LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 ]x&int LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 	x {?class.* a->*b LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 :
/* main.cpp 208: */ :(>>-  ->*&{[ q "s":
/* main.cpp 209: */ :'c' ~q a->*b- &||catch==+= 123456789 )'c'&&:
/* main.cpp 210: */ :[ -] ->*&&int  123456789  & 123456789  s.*p~ ==class] -~s.*p 123456789  'c'"s"   123456789  f(1,2) -
/* main.cpp 211: */ >*
/* main.cpp 212: */q~]__try; 12 'c' >>x=1; >> >>__try	int, 0 alpha_beta_gamma_delta?? 
/* main.cpp 213: */x?x::y __try { &&x "s"Lname int||&[!= ::? Lname< 
/* main.cpp 214: */ <<= & { class == x=1;catch::<<=q+=]
/* main.cpp 215: */123456789 ~>>,: .*int.*&&&-  123456789 
/* main.cpp 216: */intLnames.*pf(1,2)> &&__try->?	 -
/* main.cpp 217: */ >*"s", 
/* main.cpp 218: */<<= ]) ;__try <<=?x=1; catch -- ->
/* main.cpp 219: */ *~	 f(1,2) LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1
/* main.cpp 220: */:: { { __try x=1; 
/* main.cpp 221: */f(1,2)'c' 
/* main.cpp 222: */
/* main.cpp 223: */123456789 ;class|| try 12 [ 12  try<  
/* main.cpp 224: */->
/* main.cpp 225: */ *
/* main.cpp 226: */Lx::y--s.*p{ & ::; 
/* main.cpp 227: */!=&>>>a->*b->&  x * ? catch?||,Lname[>* || 
/* main.cpp 228: */alpha_beta_gamma_delta  ()->* << 'c' 0  x=1;__try .* q  0  s.*p ? & -
/* main.cpp 229: */ >* != 
/* main.cpp 230: */- f(1,2):
/* main.cpp 231: */ :- q* ~x::ytry->*q }.*q
/* main.cpp 232: */==== f(1,2) :
/* main.cpp 233: */ : ( ?int	 ->
/* main.cpp 234: */ *& -  ==?x=1;  0  x__try && ->*- 
/* main.cpp 235: */ > <<= <<=-- x ,&& a->*b]s.*p f(1,2)x=1;'c'
/* main.cpp 236: */,([* 0 :
/* main.cpp 237: */ : x ;  0  [ s.*p ->
/* main.cpp 238: */ *[	L > &q s.*p <<=!=~LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1: class+= ->*
/* main.cpp 239: */+=
/* main.cpp 240: */
/* main.cpp 241: */
/* main.cpp 242: */int.* 	"s"} 123456789  *__try x::y::<<=!= 
/* main.cpp 243: */
/* main.cpp 244: */Lname.* -
/* main.cpp 245: */ >*x::yint  ->catch a->*b 12 -
/* main.cpp 246: */
/* main.cpp 247: */.* +="s" * f(1,2)>>  12  ?LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 && s.*pclass  ||'c'catchcatch
/* main.cpp 248: */alpha_beta_gamma_delta ?+=int (() &try ~ 'c'*}   <LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 ):
/* main.cpp 249: */ :)
/* main.cpp 250: */f(1,2) -
/* main.cpp 251: */ >* && LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1<<=) 
/* main.cpp 252: */:
/* main.cpp 253: */ : q& || } s.*p : a->*b 0  ->* 	) -- __try  123456789  alpha_beta_gamma_delta 0 ; ||->  123456789 (LnameLONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 -- 
/* main.cpp 254: */Lname 12  ;!=+=+=x=1;&**&&->
/* main.cpp 255: */ *&&->* ?-> 12  catch:: try &&:
/* main.cpp 256: */ :x (try :
/* main.cpp 257: */ : )!=+= alpha_beta_gamma_delta 12  ~classM(q) ] ["s"-<<= 	<->* 12 s.*p try LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1:
/* main.cpp 258: */ :   "s" 12  Lname->-
/* main.cpp 259: */ >* >>:
/* main.cpp 260: */ :+=  12  x::y & class == tryx=1; +=  12 f(1,2)catchx=1; <||||[ }>>q~ < try Lname 0 class~&& q;:
/* main.cpp 261: */ : += ;"s"} { x::y}-- f(1,2)  f(1,2) ->* -> f(1,2)class->* } int int ->*class LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1!=
/* main.cpp 262: */
/* main.cpp 263: */
/* main.cpp 264: */LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1.*-- ,  12 ,[- , 0 -
/* main.cpp 265: */ >*->~x=1; a->*b-try
/* main.cpp 266: */"s"x::y+=x::y -
/* main.cpp 267: */ >*:
/* main.cpp 268: */ :( class try-> ~__try->
/* main.cpp 269: */ *f(1,2){ 12 q( >>  ==&&"s" ||  12  ) Lname.*--catch ->*:L
/* main.cpp 270: */x::y class ] 123456789  {--x *-alpha_beta_gamma_delta class 	alpha_beta_gamma_delta [- :== -> 
/* main.cpp 271: */ * !=L  12  L __try -
/* main.cpp 272: */
/* main.cpp 273: */L 12  ->'c' :,	-
/* main.cpp 274: */ >*-
/* main.cpp 275: */ >*-
/* main.cpp 276: */ >* int
/* main.cpp 277: */} a->*b&&__try :
/* main.cpp 278: */ : , > 
/* main.cpp 279: */
/* main.cpp 280: */class  12 &.*:{>> [ ->*&::)]} 
/* main.cpp 281: */?::( x::yL]q <<= :
/* main.cpp 282: */ :
/* main.cpp 283: */[ 
/* main.cpp 284: */[
/* main.cpp 285: */*->* )LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1
/* main.cpp 286: */
/* main.cpp 287: */x::yx x::y --int->
/* main.cpp 288: */ *!= Lname }x::y -
/* main.cpp 289: */ >*L ) 
/* main.cpp 290: */->
/* main.cpp 291: */ * }L 0  123456789  --:a->*b!=  123456789  [ } &:: ,~ || ||;try, <<=try x::y
/* main.cpp 292: */, || *( "s" &) __try ||a->*b xtry f(1,2) alpha_beta_gamma_delta: ,  0  12 == && 0   --<->
/* main.cpp 293: */ *-
/* main.cpp 294: */ >*q 
/* main.cpp 295: */<q try) & * 
/* main.cpp 296: */
/* main.cpp 297: */? catch f(1,2)!=   &&, &: }!= &[ } >+= )]->xM(q): <<= q try 'c'---> ::->
/* main.cpp 298: */ *'c' <<= L>>}q] ==~: catch >>:: 	LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1->
/* main.cpp 299: */ * 12 *f(1,2)->
/* main.cpp 300: */ *int int
/* main.cpp 301: */
/* main.cpp 302: */
/* main.cpp 303: */"s""s" -( class) 123456789 :: }>a->*b ;->
/* main.cpp 304: */ * x::y-
/* main.cpp 305: */ >*q  123456789  x=1;.*__try L class int>'c'?q[alpha_beta_gamma_deltatryx=1;( alpha_beta_gamma_delta-?:
/* main.cpp 306: */ : try[catch alpha_beta_gamma_deltaM(q) * && f(1,2) --	 try==!="s" : -  -- ?__try < , ||
/* main.cpp 307: */->	 == 	 ->
/* main.cpp 308: */ *
/* main.cpp 309: */-
/* main.cpp 310: */ >*__try[ -&& } classx :: [-
/* main.cpp 311: */
/* main.cpp 312: */::q
/* main.cpp 313: */
/* main.cpp 314: */L 123456789  Lname 
/* main.cpp 315: */&  0  :
/* main.cpp 316: */ :-
/* main.cpp 317: */ >*:
/* main.cpp 318: */ :x&& : [+= .*!=->
/* main.cpp 319: */ *,->
/* main.cpp 320: */ * |||| 
/* main.cpp 321: */:: alpha_beta_gamma_delta L
/* main.cpp 322: */intM(q) __try )|| L ->*a->*b,>- s.*pLname==x=1;<<=x::y :
/* main.cpp 323: */ :  || ?::int:
/* main.cpp 324: */ :class "s" f(1,2)x=1; == { :
/* main.cpp 325: */ :Lname -- } 	 -
/* main.cpp 326: */ >* *  0  << }s.*p :
/* main.cpp 327: */ : >~,: catchf(1,2)<<=  > alpha_beta_gamma_delta ]  123456789 ->
/* main.cpp 328: */ *+=alpha_beta_gamma_delta -> >> 123456789 try --;xa->*b 123456789 f(1,2)->
/* main.cpp 329: */ * :: s.*p 
/* main.cpp 330: */}|| 
/* main.cpp 331: */||f(1,2)f(1,2) __try "s"*->*< [
/* main.cpp 332: */-
/* main.cpp 333: */ >* L[ 0   0  __try->*  += 12 -> classx=1;"s" &&__try 12 < s.*p Lname->>> ::,~ :: ,  123456789 ; alpha_beta_gamma_delta != __try 	 || s.*p x=1;::== >>>LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 +=&<<= s.*p->*[ (alpha_beta_gamma_delta->
/* main.cpp 334: */ *.*<<=&Lname *  12  a->*bx::y<<= {  123456789 :-
/* main.cpp 335: */ >*"s"  0 <<= *f(1,2) || ;[ 0  &&alpha_beta_gamma_delta L 
/* main.cpp 336: */12  0 ]->* [:   -->:: (? ==~!=)+= &:
/* main.cpp 337: */ : 0 	->
/* main.cpp 338: */ *> :
/* main.cpp 339: */ :L>{ a->*b __try a->*b ->* 
/* main.cpp 340: */*|| :
/* main.cpp 341: */ :>q class[:
/* main.cpp 342: */ : }  0  <-
/* main.cpp 343: */ >* 0 { try!=x=1;q? ? x::y x::ytry[] 123456789  __try<( 
/* main.cpp 344: */?>>__try x=1;;* q> ->*L += intM(q) x? [ a->*b "s" --
/* main.cpp 345: */>* 12 <<=q try (   {s.*p 
/* main.cpp 346: */&& int <<= != alpha_beta_gamma_delta& f(1,2)!= ]~>>  12 :
/* main.cpp 347: */ : L x >>&->*x=1;__try 
/* main.cpp 348: */{<<= -
/* main.cpp 349: */ >* -> x::y > alpha_beta_gamma_delta{ } alpha_beta_gamma_delta; ;q , ::
/* main.cpp 350: */: 
/* main.cpp 351: */0 ~[>>x try
/* main.cpp 352: */{(Lnametry --try	 *+= :
/* main.cpp 353: */ : x >(
/* main.cpp 354: */'c' >classx
/* main.cpp 355: */[ 123456789 .*.* 
/* main.cpp 356: */:?catch&,->
/* main.cpp 357: */ *f(1,2) L
/* main.cpp 358: */
/* main.cpp 359: */
/* main.cpp 360: */<<=class<<=->*try 
/* main.cpp 361: */
/* main.cpp 362: */--alpha_beta_gamma_delta-~{
/* main.cpp 363: */
/* main.cpp 364: */
/* main.cpp 365: */f(1,2),}|| ->
/* main.cpp 366: */ * x::y:&& &&<-> class&& 12 class=="s"__try.*
/* main.cpp 367: */
/* main.cpp 368: */) !=||->*
/* main.cpp 369: */&'c',)*.*	try(LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1!=::::
/* main.cpp 370: */:&& ] LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 &	 += catch	-
/* main.cpp 371: */ >*try - 
/* main.cpp 372: */
/* main.cpp 373: */<<= {.* += ) <<= ( a->*bL  0  
/* main.cpp 374: */::
/* main.cpp 375: */&&}&x - ( 
/* main.cpp 376: */0 ?int->*- __try *} : != <<= 	q !=
/* main.cpp 377: */:
/* main.cpp 378: */ : int) .* x
/* main.cpp 379: */a->*b < ? {~-- xLONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 -
/* main.cpp 380: */ >* 12 <
/* main.cpp 381: */:
/* main.cpp 382: */ :{  ->*a->*b["s"alpha_beta_gamma_delta +=)|| -|| [ int)f(1,2) int "s"*__tryLname!="s" ?x::yint	a->*b
/* main.cpp 383: */~) 
/* main.cpp 384: */xa->*b >->*~[ 'c'  123456789 ? int.* q::
/* main.cpp 385: */:->
/* main.cpp 386: */ * .*Lname ~ :: &&x=1; LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1int>>'c'[ +=[--||	int 	 LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1__try 
/* main.cpp 387: */(* LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 +=catch>> ->
/* main.cpp 388: */ *):: ] .*->
/* main.cpp 389: */ * a->*b x::y&& [>>** 12 :
/* main.cpp 390: */ :~alpha_beta_gamma_delta}  0  }&&?==--__try 'c' x::y 'c'::(||- 0 ->
/* main.cpp 391: */ * ->
/* main.cpp 392: */ * &&x -
/* main.cpp 393: */ >*catch }:: try<class}-- > ] ]"s"s.*p>> ::~ 123456789 __try--== ==->q  12 
/* main.cpp 394: */123456789 ? -<<= x=1; * -- 
/* main.cpp 395: */:
/* main.cpp 396: */ :L intx!= __try L[catch: ||~ ::*try L ; __try 
/* main.cpp 397: */class , try:: ==>( ]class catch &s.*p ->* ~ - ~&  &;inttry.* catch  12 x::yclass.*.*q catch* try try  --:
/* main.cpp 398: */ : 0  try~>; L ||L->*->*~alpha_beta_gamma_delta{ --->
/* main.cpp 399: */ * x __tryx::y[?[ 
/* main.cpp 400: */+= 	  123456789  ,||>> 0 try+=alpha_beta_gamma_deltaM(q) 123456789 >(-- int-- (alpha_beta_gamma_delta .*; +=)L}__try catch{ :
/* main.cpp 401: */ : 123456789 q :: )
/* main.cpp 402: */?a->*b&'c'L int __try ? -- ->*: catch && -- .* "s"- int "s":: ~ && <L x=1;try!= q int 0 :
/* main.cpp 403: */ : s.*pLONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1* < s.*p -Lint ,* class classcatch-> :
/* main.cpp 404: */ ::
/* main.cpp 405: */:q "s" } >alpha_beta_gamma_delta==,-> x::yint +=; :int }}; ==<<=( x , 12 -
/* main.cpp 406: */ >* ::>>}L:: || x * :: >>
/* main.cpp 407: */"s"alpha_beta_gamma_delta s.*p *->
/* main.cpp 408: */ * f(1,2)x != -  ==alpha_beta_gamma_delta::int :
/* main.cpp 409: */ : --x::yLname
/* main.cpp 410: */
/* main.cpp 411: */&x::y;? .*-
/* main.cpp 412: */ >*LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1__try 
/* main.cpp 413: */
/* main.cpp 414: */0 --x "s" 
/* main.cpp 415: */?:
/* main.cpp 416: */;<<= ==  ; -
/* main.cpp 417: */ >*-> >>x=1; Lname&~ >  123456789 x=1; 
/* main.cpp 418: */0 <==f(1,2) ]q  0 * -
/* main.cpp 419: */ >* x::yclass->:: L
/* main.cpp 420: */
/* main.cpp 421: */} 0   )-f(1,2)->||*:
/* main.cpp 422: */ :-	 ?q( f(1,2) <  ==catch q int !=? <<=q
/* main.cpp 423: */0  123456789  {~Lname int!=<<= __tryx::y > 	LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 x=1;->
/* main.cpp 424: */ * __tryLname q f(1,2)||x=1; ) ; 12  :
/* main.cpp 425: */ : Lclass catch(q L Lname a->*b["s" == x=1;    12   : &&
/* main.cpp 426: */<) ->
/* main.cpp 427: */ * x::y!= +=? 0 s.*p::LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 :->
/* main.cpp 428: */ * +=  ::x x::yM(q)> f(1,2) 	  12  
/* main.cpp 429: */:
/* main.cpp 430: */ :L!=  0 LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1*}x  12 
/* main.cpp 431: */]
/* main.cpp 432: */
/* main.cpp 433: */x=1;}{ Lname -:: 'c' x=1;q 0  ;	class: 123456789 :class->
/* main.cpp 434: */ * x	s.*p -
/* main.cpp 435: */ >*a->*b 'c' a->*b:: 12 +=<q  12 x::yLname q->
/* main.cpp 436: */ *x "s"-  12 class] 123456789  [ x::y a->*b x+= :
/* main.cpp 437: */ : x::y 	,'c'Lname{>> :ints.*palpha_beta_gamma_delta x=1; f(1,2)[( )*catch:
/* main.cpp 438: */ :.*::"s"
/* main.cpp 439: */
/* main.cpp 440: */( *? || 0  a->*b->[ ; 
/* main.cpp 441: */!=a->*b 
/* main.cpp 442: */:->
/* main.cpp 443: */ *,>>int < & 	 12 __try ->  
/* main.cpp 444: */& alpha_beta_gamma_delta<* [> 12 [} >>'c'x::y ,q __try__try "s" a->*b ->  123456789 -, 
/* main.cpp 445: */.*x=1;(>><q >>) 
/* main.cpp 446: */Lname   12  >  >> [x=1; LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1
/* main.cpp 447: */; 12  alpha_beta_gamma_deltaM(q) 	 q __try|| try>>~ ]  *] && L int<<=__try ?~->*  123456789 ( [ q&&<<=-- int-  ->
/* main.cpp 448: */ *->
/* main.cpp 449: */ *:
/* main.cpp 450: */ : ) LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 .* ::: ]int : * +=::+= -
/* main.cpp 451: */ >*, 'c'--int-> :: <]->
/* main.cpp 452: */ * [ && }x=1; ~  LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1:
/* main.cpp 453: */ : ->*
/* main.cpp 454: */
/* main.cpp 455: */
/* main.cpp 456: */alpha_beta_gamma_delta<<= < ?~{{::&& [ -&&
/* main.cpp 457: */|| 
/* main.cpp 458: */catch]& ]-- try <<= 	 __trya->*b x=1;<  12  
/* main.cpp 459: */
/* main.cpp 460: */?*]:
/* main.cpp 461: */ : != 
/* main.cpp 462: */
/* main.cpp 463: */.* 
/* main.cpp 464: */->
/* main.cpp 465: */ * xM(q)>  *?	:
/* main.cpp 466: */ :
/* main.cpp 467: */~ -- 12 class { { 
/* main.cpp 468: */
/* main.cpp 469: */:
/* main.cpp 470: */ :>>f(1,2)< >* 0  [ f(1,2)>>>> x) 
/* main.cpp 471: */
/* main.cpp 472: */:
/* main.cpp 473: */ : >||--< int.*>>
/* main.cpp 474: */~ : 12  class * x::y]:;<: 123456789 :class )  	
/* main.cpp 475: */Lname->*Lname 0 *  { :  123456789 <;	f(1,2) Lname <  12  ->+="s"+=:
/* main.cpp 476: */ :,&==s.*p ->
/* main.cpp 477: */ *] < __try q >int ->"s"-][ ->* f(1,2)	
/* main.cpp 478: */> 123456789 {-
/* main.cpp 479: */ >* ) f(1,2) ::-
/* main.cpp 480: */ >*)  12  } ->
/* main.cpp 481: */ * != __try 	 ->~Lname 
/* main.cpp 482: */-
/* main.cpp 483: */ >*&& >> >>} 
/* main.cpp 484: */
/* main.cpp 485: */==x::y) ? :
/* main.cpp 486: */ :
/* main.cpp 487: */,LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1->,~~ -+= ,a->*bLnamealpha_beta_gamma_delta & (&||
/* main.cpp 488: */
/* main.cpp 489: */f(1,2)x ->*a->*b ->*x;catchx::y+=><<=int }|| LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 );->
/* main.cpp 490: */ * f(1,2)f(1,2):
/* main.cpp 491: */ :<<= ) 	__try 'c'+=.*
/* main.cpp 492: */int	 
/* main.cpp 493: */&&a->*b (	 
/* main.cpp 494: */::-> [ 'c'{x=1; s.*p  12  !='c' 123456789 ])try :~->
/* main.cpp 495: */ *
/* main.cpp 496: */
/* main.cpp 497: */
/* main.cpp 498: */<+=
/* main.cpp 499: */L - ; ) tryclass LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1> {( int 	 <<=
/* main.cpp 500: */< :
/* main.cpp 501: */ :( 0 -
/* main.cpp 502: */ >* a->*b -
/* main.cpp 503: */ >*{.* -> __try ::~ LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 ->* .* 
/* main.cpp 504: */:
/* main.cpp 505: */ :>> 0  __tryLONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1f(1,2)* ~~x=1;
/* main.cpp 506: */; 12 "s"s.*p s.*p Lx-- &&catch -
/* main.cpp 507: */ >**) ==
/* main.cpp 508: */s.*pa->*b ->*+=  0  ( 'c'~try Lname  .* -- 12 &  && try->	&& .*( :
/* main.cpp 509: */ :s.*p == :: .* :LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 <Lnamex->
/* main.cpp 510: */ *
/* main.cpp 511: */class :&& Lname alpha_beta_gamma_delta|| ::s.*p LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 "s" > 
/* main.cpp 512: */
/* main.cpp 513: */.* catch->[a->*b 123456789 >>< 12 :
/* main.cpp 514: */ : 
/* main.cpp 515: */
/* main.cpp 516: */* ; LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 :
/* main.cpp 517: */ :catchM(q) a->*b ) >>{Lnamex:class* catch
/* main.cpp 518: */&&:
/* main.cpp 519: */ :  .* x::y ><<= >>~ )x 0  && !=> , q *{ -Lname-- ->* a->*b}==
/* main.cpp 520: */0 :  :
/* main.cpp 521: */ : 	class*x :]<<=::;}x { 'c' 
/* main.cpp 522: */
/* main.cpp 523: */'c'|| 
/* main.cpp 524: */
/* main.cpp 525: */try  0 "s"int
/* main.cpp 526: */-
/* main.cpp 527: */ >*} 12 alpha_beta_gamma_delta
/* main.cpp 528: */
/* main.cpp 529: */+= LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1!=} xclass == -
/* main.cpp 530: */ >*s.*p->* [ L  0  [
/* main.cpp 531: */[ += ~<<= ->*x=1; ~ class
/* main.cpp 532: */
/* main.cpp 533: */?&& .*  0 "s"  :
/* main.cpp 534: */ :f(1,2) : 12 	( try q -->
/* main.cpp 535: */*x::y 'c' alpha_beta_gamma_delta> }) 12  catch [LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 -
/* main.cpp 536: */ >* x=1; 0  Lname f(1,2) alpha_beta_gamma_deltax>?->
/* main.cpp 537: */ *a->*b ->]  .*LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1>>: classL} {alpha_beta_gamma_delta -- || !=
/* main.cpp 538: */--class.* ] 
/* main.cpp 539: */
/* main.cpp 540: */-><  12 s.*p?||{ -- 12  *  <<= == 
/* main.cpp 541: */
/* main.cpp 542: */~
/* main.cpp 543: */+= (q q} -
/* main.cpp 544: */ >*+= .* -
/* main.cpp 545: */ >*Lname.* .*< Lname] 
/* main.cpp 546: */( :
/* main.cpp 547: */ :
/* main.cpp 548: */
/* main.cpp 549: */"s"(<<='c' 12 'c'( !=x::yf(1,2)__try s.*p - < 
/* main.cpp 550: */
/* main.cpp 551: */--LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 --?||--f(1,2)
/* main.cpp 552: */
/* main.cpp 553: */'c' ~__try class( ,x=1;->x::y== --&&&->> -- ->
/* main.cpp 554: */ * L LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 x::y::*  123456789 q  	 >>- x::y !=~ ,&->
/* main.cpp 555: */ *s.*p ,s.*p 
/* main.cpp 556: */'c'( ?& f(1,2).*) x x::y == : )'c' >>:: x , {L:>&{[x	-
/* main.cpp 557: */ >*&& alpha_beta_gamma_delta,"s";  -
/* main.cpp 558: */ >*->* "s"class<L 123456789 f(1,2){try  try s.*p< --
/* main.cpp 559: */x
/* main.cpp 560: */+=a->*bclass{} ) ?, *->*   -- <<=:
/* main.cpp 561: */ : 0  ;<<=a->*balpha_beta_gamma_delta ->
/* main.cpp 562: */ *x::y ) 
/* main.cpp 563: */== f(1,2)]  12 } ~<<= 12 ::a->*b int  123456789 ;'c'?} :+= !=x catch<<= 123456789  'c' && Lnamealpha_beta_gamma_delta >>>!= :: || && ?  12  a->*b .* alpha_beta_gamma_delta & >>>try&&x=1; class 0 LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1]]-
/* main.cpp 564: */ >*
/* main.cpp 565: */{ x=1;[ LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1> ; >> "s" x::y&&'c' || "s""s"
/* main.cpp 566: */>  0 == )>-
/* main.cpp 567: */ >*class f(1,2) int q q L-
/* main.cpp 568: */ >*.*]->
/* main.cpp 569: */ *(f(1,2)=={ __try x::ytry: , <] 12 &&,>L * "s"q-  >> ::* +=  123456789 [
/* main.cpp 570: */] & 	x:
/* main.cpp 571: */ : 
/* main.cpp 572: */int
/* main.cpp 573: */0 x=1; catch__trytry 
/* main.cpp 574: */int+=+=  0 -> alpha_beta_gamma_delta.*!=&& )!=
/* main.cpp 575: */
/* main.cpp 576: */catch}{q == 
/* main.cpp 577: */)catch ).*; >>catch 123456789 'c';:
/* main.cpp 578: */ : class	 (] q|| } [
/* main.cpp 579: */
/* main.cpp 580: */.** [< ::>==--LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 ->* &&->* ==
/* main.cpp 581: */
/* main.cpp 582: */--&& , -
/* main.cpp 583: */ >*>>    123456789 += (--[; 
/* main.cpp 584: */
/* main.cpp 585: */L ->
/* main.cpp 586: */ * 
/* main.cpp 587: */||x=1; <] += ,~ 
/* main.cpp 588: */s.*p !=  int>>- 123456789  <
/* main.cpp 589: */->
/* main.cpp 590: */ *&&* ~ {f(1,2) int <--"s"*->*int alpha_beta_gamma_deltas.*p[ intLONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 & 12 "s"'c' >>&:-
/* main.cpp 591: */ >*->
/* main.cpp 592: */}!= try ::Lname&& 0   *	x }
/* main.cpp 593: */x=1;f(1,2)try&&x::y 
/* main.cpp 594: */{<-: --?catch alpha_beta_gamma_delta -> :
/* main.cpp 595: */ :	 * ~ -
/* main.cpp 596: */ >*x::y; ==)) 0  :
/* main.cpp 597: */ :LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1<<= -
/* main.cpp 598: */ >*  == >> !=	 
/* main.cpp 599: */
/* main.cpp 600: */LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 0 ,Lname!=?== )->*+=>> ,[? x::y f(1,2) ?q += &
/* main.cpp 601: */(  123456789 *+=
/* main.cpp 602: */
/* main.cpp 603: */->} < 12  alpha_beta_gamma_delta catch:::  0  x::y< >>&& :
/* main.cpp 604: */ :__try 
/* main.cpp 605: */->
/* main.cpp 606: */ * alpha_beta_gamma_delta 
/* main.cpp 607: */? alpha_beta_gamma_deltaL 
/* main.cpp 608: */catchM(q)||.*:
/* main.cpp 609: */ :
/* main.cpp 610: */
/* main.cpp 611: */ ::s.*p> )
/* main.cpp 612: */a->*b "s"-> == ->* ~
/* main.cpp 613: */
/* main.cpp 614: */->
/* main.cpp 615: */ * ]==,:
/* main.cpp 616: */ :  0  ->
/* main.cpp 617: */ *==
/* main.cpp 618: */x=1; try x=1; 0 s.*p+= +=catch f(1,2)int-> <!= q catch 
/* main.cpp 619: */->  12 -
/* main.cpp 620: */ >*<<=a->*b *>try <<= > -> L ::}q
/* main.cpp 621: */, ::s.*p
/* main.cpp 622: */] LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1->* -
/* main.cpp 623: */ >*{ >> 	 ::!=	 
/* main.cpp 624: */== ~[ * && 
/* main.cpp 625: */
/* main.cpp 626: */"s" , -> ->
/* main.cpp 627: */ *.*<a->*b->
/* main.cpp 628: */ *LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1L,x ||LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1:
/* main.cpp 629: */ :s.*p x s.*p alpha_beta_gamma_delta 123456789   .*s.*pa->*b->* -- ===={-
/* main.cpp 630: */ >*, 
/* main.cpp 631: */&&&--
/* main.cpp 632: */
/* main.cpp 633: */'c'	 'c's.*p;*-  ->
/* main.cpp 634: */ *
/* main.cpp 635: */:: & ](->* ->
/* main.cpp 636: */ * : <<=::s.*p||  
/* main.cpp 637: */--->* a->*b!=a->*b ~ ->* alpha_beta_gamma_delta(* Lname) 0  x--  ~ .*---
/* main.cpp 638: */ >* & ] s.*p
/* main.cpp 639: */
/* main.cpp 640: */12  != Lname class ("s"!=-
/* main.cpp 641: */ >*->*] 
/* main.cpp 642: */class 
/* main.cpp 643: */|| q
/* main.cpp 644: */->*f(1,2)
/* main.cpp 645: */?.*
/* main.cpp 646: */
/* main.cpp 647: */12 ->.*-> )<<=-
/* main.cpp 648: */ >* >>->< 
/* main.cpp 649: */LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1*->
/* main.cpp 650: */ *	s.*p__tryx 
/* main.cpp 651: */}->* 0 ::f(1,2)a->*b.* ::
/* main.cpp 652: */!= ? ; 
/* main.cpp 653: */LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1
/* main.cpp 654: */] -
/* main.cpp 655: */ >*:La->*b 'c' 
/* main.cpp 656: */f(1,2){  12 	}"s"&&->
/* main.cpp 657: */ * q!={f(1,2) 'c'"s" -x::yint	)> ,!= [ 0 LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1try 
/* main.cpp 658: */a->*b<) f(1,2){ int,:
/* main.cpp 659: */ :   :] }>{->q int
/* main.cpp 660: */||'c'int 0 <L catch int __tryx::yx
/* main.cpp 661: */q
/* main.cpp 662: */]alpha_beta_gamma_delta]&& int}->*alpha_beta_gamma_delta alpha_beta_gamma_delta)	-
/* main.cpp 663: */ >*"s" 0  ]:: int [-> &  123456789  -> __try->~tryL: > (& .*"s"{>>s.*p+=*L x=1; .*--->*:: x=1; ->*(*class __try 0   x x=1;
/* main.cpp 664: */
/* main.cpp 665: */<)
/* main.cpp 666: */] ~>>int ,!=)a->*b 	 __try-- ||LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1:
/* main.cpp 667: */ :  :
/* main.cpp 668: */ : catch:: 0 :: (a->*b
/* main.cpp 669: */q	* 'c'?== x::yLONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1-
/* main.cpp 670: */ >* catch {<<=<<= :
/* main.cpp 671: */ ::
/* main.cpp 672: */: && ->( 12 , :
/* main.cpp 673: */ :  123456789 - ]> L?alpha_beta_gamma_delta{:<<===* ->
/* main.cpp 674: */ * } ] ==--Lnamex::y f(1,2)[-, catchint< LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1
/* main.cpp 675: */"s"f(1,2) <<=!=
/* main.cpp 676: */q >> 
/* main.cpp 677: */} 12 ( 0 >:
/* main.cpp 678: */ : ; &) alpha_beta_gamma_delta *, 0  trya->*b+= <<= q Lnametry ? } x=1;~{<<=->__try } >+= !=class
/* main.cpp 679: */->
/* main.cpp 680: */ *x::y 'c' {;"s"{try ==::, q Lname  12 
/* main.cpp 681: */Lname>  == catch+=->
/* main.cpp 682: */ * tryalpha_beta_gamma_delta-	  123456789 
/* main.cpp 683: */+= ] L==& -- < .*--
/* main.cpp 684: */>*alpha_beta_gamma_delta)!=+==={<<= ||:
/* main.cpp 685: */ : 0 ->*{* alpha_beta_gamma_delta||?, >>int--  <<=, f(1,2)!= &&&&& +=* >>[&&* 'c' +=
/* main.cpp 686: */int ;--
/* main.cpp 687: */==int --::&
/* main.cpp 688: */catch; ~:x::y<<=<<=  && ( -
/* main.cpp 689: */ >* &&*,LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1==q)int s.*p +=+=:
/* main.cpp 690: */ ::;s.*px=1; >  > ]-<<= ? .* LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1M(q)*==}[Lname Lname>>& ::x::y -
/* main.cpp 691: */ >* class s.*p ) try 
/* main.cpp 692: */}catch q 'c'x=1; q+=:: ~::: >-:
/* main.cpp 693: */ : 0  ;->
/* main.cpp 694: */ *:& > a->*b x=1;-
/* main.cpp 695: */ >*x=1;):*::,[  
/* main.cpp 696: */int ->-- 123456789 -- 
/* main.cpp 697: */+=    0 ; L  123456789  >>-  catch 12  ->
/* main.cpp 698: */ *
/* main.cpp 699: */s.*p class} try Lname} :
/* main.cpp 700: */ :
/* main.cpp 701: */class ? 	; -
/* main.cpp 702: */ >* q LLname LnameM(q)
/* main.cpp 703: */0  ->*&>>>>
/* main.cpp 704: */}
/* main.cpp 705: */x=1;? x::y }-s.*p 
/* main.cpp 706: */Lname*alpha_beta_gamma_delta :
/* main.cpp 707: */ :+= x=1;[x::y "s" { ]'c' xLONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 ->
/* main.cpp 708: */ *try*>>'c' x=1;class:: 
/* main.cpp 709: */::||>  123456789 
/* main.cpp 710: */
/* main.cpp 711: */alpha_beta_gamma_delta && ==
/* main.cpp 712: */:
/* main.cpp 713: */ :->  12  {L & ~
/* main.cpp 714: */}*::(a->*b <<=s.*p__try &||-f(1,2)}  0  
/* main.cpp 715: */
/* main.cpp 716: */
/* main.cpp 717: */{ 12  ; +=>>int ( s.*p~catch .*xclass->* x::y ?!=int 
/* main.cpp 718: */-
/* main.cpp 719: */ >*int-- 	:
/* main.cpp 720: */ : <::: }&--int *	 -
/* main.cpp 721: */ >* :: alpha_beta_gamma_delta ; x::y+=-
/* main.cpp 722: */ >*(
/* main.cpp 723: */s.*p(<<=catch alpha_beta_gamma_delta&&->(__try== ->*~ --&& "s"--!=&&	  12 & ->
/* main.cpp 724: */ * & ->
/* main.cpp 725: */ *{->
/* main.cpp 726: */ * Lnameint<<= ::q-- 
/* main.cpp 727: */alpha_beta_gamma_delta try L -
/* main.cpp 728: */ >* ?!=q [;q-
/* main.cpp 729: */ >* (
/* main.cpp 730: */<<=x=1;
/* main.cpp 731: */?[ x=1;x=1;: alpha_beta_gamma_delta 'c' 'c' -{ alpha_beta_gamma_delta !=<  <<=q;(||  123456789 ("s":
/* main.cpp 732: */ :? class intint -
/* main.cpp 733: */ >*+= __try-
/* main.cpp 734: */ >*LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1.*
/* main.cpp 735: */
/* main.cpp 736: */LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1:: 
/* main.cpp 737: */a->*b+=== { --__try ==  0  classLONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1->
/* main.cpp 738: */ * ->* <"s" Lname "s">>
/* main.cpp 739: */||== ( [a->*bx::y 
/* main.cpp 740: */->
/* main.cpp 741: */ * ? f(1,2) L;( ||"s"!=L ~  123456789 :
/* main.cpp 742: */ :
/* main.cpp 743: */Lname 'c' 123456789  s.*p<<=}( x=1;q 'c'LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1-- 
/* main.cpp 744: */>>->* 0  :
/* main.cpp 745: */ :class; :q 0 :
/* main.cpp 746: */ :,]alpha_beta_gamma_delta[ LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 <<=>[x=1;: &&:
/* main.cpp 747: */ :<<=a->*b-- __try >> [ -
/* main.cpp 748: */|| --  catch  123456789 ->*
/* main.cpp 749: */
/* main.cpp 750: */--'c'&&  try|| ,LM(q)>:
/* main.cpp 751: */ :{x LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1->[<L!= {L*)class+= x=1; x=1; ? s.*p ;x=1;)== ( x=1; 
/* main.cpp 752: */Lname || class, s.*p
/* main.cpp 753: */catch
/* main.cpp 754: */!= "s" :
/* main.cpp 755: */ : "s"~ int.*__try]  123456789  0  x::y "s"f(1,2)q? class 
/* main.cpp 756: */>>:
/* main.cpp 757: */ :!=x=1; __tryLcatch -  == 123456789 f(1,2)Lintclass{  12  LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 .* <->
/* main.cpp 758: */ *  12 'c' ?& >>->* class ||	 .* ;-
/* main.cpp 759: */ >*->
/* main.cpp 760: */ * *  12  += ~)int ::->
/* main.cpp 761: */ *x q __try ]==:: ||  0 ]< Lname [q ::{ Lname ?catch { 
/* main.cpp 762: */~alpha_beta_gamma_delta ,~ ( +=class Lalpha_beta_gamma_delta!=LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1tryclass{|| [alpha_beta_gamma_delta ->
/* main.cpp 763: */ * -
/* main.cpp 764: */ >*  x*-
/* main.cpp 765: */ >*-
/* main.cpp 766: */ >* ) "s"	 !=->* ?
/* main.cpp 767: */
/* main.cpp 768: */{ !=try 
/* main.cpp 769: */{==; LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1::|| int  0 alpha_beta_gamma_deltaLONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 'c'[alpha_beta_gamma_deltaLname ) ] class;* ( 12 ] ==[ Lname 'c'-
/* main.cpp 770: */ >*__try 'c'try__try 	
/* main.cpp 771: */a->*bL+= || ; a->*bs.*p>>x::y, x=1;classcatch class <LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1__try+=--
/* main.cpp 772: */>*q: catch ?&& catch x::y[ <<= q
/* main.cpp 773: */class->
/* main.cpp 774: */ * ->
/* main.cpp 775: */ * &|| !=int< .* 123456789  >x=1;::'c'f(1,2)} +=[ a->*b>><<=x ~ ->
/* main.cpp 776: */
/* main.cpp 777: */x ;x
/* main.cpp 778: */-  alpha_beta_gamma_deltaalpha_beta_gamma_deltaL ->
/* main.cpp 779: */ *--__try .*:
/* main.cpp 780: */ : >>:: .* <<= ->
/* main.cpp 781: */ *
/* main.cpp 782: */x=1; >> LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 }& 0 
/* main.cpp 783: */
/* main.cpp 784: */< 
/* main.cpp 785: */x=1;
/* main.cpp 786: */!=} += { 
/* main.cpp 787: */>> 
/* main.cpp 788: */?:<<=+=->
/* main.cpp 789: */
/* main.cpp 790: */->* <<=:]-- s.*px=1;x:
/* main.cpp 791: */ : && ( *  123456789 :
/* main.cpp 792: */ :.*a->*b!= ( ||-
/* main.cpp 793: */
/* main.cpp 794: */ -
/* main.cpp 795: */ >*[ .*LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 >>*} Lname "s" :  : ( [+=||  <a->*b
/* main.cpp 796: */]== & -- <<=!= }catch ->*class ==Lname .*->
/* main.cpp 797: */ *[ catch ,try <) &Lname LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1  0  0 & ~  - ::+= }"s"class f(1,2) 12  Lname x ||== ints.*p Lname+= a->*b :
/* main.cpp 798: */ : "s" ~|| 
/* main.cpp 799: */
/* main.cpp 800: */L -
/* main.cpp 801: */ >* alpha_beta_gamma_delta:: Lname) (a->*b 
/* main.cpp 802: */} {]? "s"Lname+= LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 q += <L 
/* main.cpp 803: */
/* main.cpp 804: */* (}tryLnamef(1,2)&&->*!= x=1;:
/* main.cpp 805: */ :-
/* main.cpp 806: */ >* (LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1-& x::y ->[ 	 
/* main.cpp 807: */
/* main.cpp 808: */
/* main.cpp 809: */:: class
/* main.cpp 810: */
/* main.cpp 811: */~alpha_beta_gamma_delta--:  : && ;, class 123456789 * <<= q&&L x::y	 -> ~ try .* 	:f(1,2)> != !=<<= <!= xint Lname (&&alpha_beta_gamma_delta 	 <"s"** 
/* main.cpp 812: */ == <]alpha_beta_gamma_delta x::yx=1;
/* main.cpp 813: */&& 0 -s.*p [a->*b:~ ->alpha_beta_gamma_delta>>
/* main.cpp 814: */f(1,2)[ ->* 
/* main.cpp 815: */--{->{ a->*b.* x=1;--{try - (  0  "s"->
/* main.cpp 816: */ *int 'c'] alpha_beta_gamma_delta
/* main.cpp 817: */&(.*, :->*- 0 * 
/* main.cpp 818: */x::y > catch 
/* main.cpp 819: */-
/* main.cpp 820: */ >*||!=__try<<=} < +="s"->
/* main.cpp 821: */ * "s"][ try &&  12  !=:
/* main.cpp 822: */ ::
/* main.cpp 823: */: >>+= ;Ls.*p* }&& -
/* main.cpp 824: */ >*"s"f(1,2)catch "s" *{; >>:: *
/* main.cpp 825: */f(1,2) {[ ~s.*p 	~int&  >>>!=<<=> q {&&>>'c'-
/* main.cpp 826: */ >* alpha_beta_gamma_delta<<= ; x=1;
/* main.cpp 827: */q xcatchf(1,2) ==x=1; catch "s"class--f(1,2)||  123456789 -> += > int
/* main.cpp 828: */--f(1,2)->
/* main.cpp 829: */ * *-
/* main.cpp 830: */ >*x ~ ->*:
/* main.cpp 831: */ :|| x x Lnametry
/* main.cpp 832: */
/* main.cpp 833: */[  12 
/* main.cpp 834: */
/* main.cpp 835: */} x=1;;a->*b:
/* main.cpp 836: */ :{q int , --<  .* 'c' Lname  :
/* main.cpp 837: */ :catch L -> a->*b&& 0  >  >> class 
/* main.cpp 838: */__try > a->*b->
/* main.cpp 839: */ *
/* main.cpp 840: */) catch {q class  ,x=1; & 	 
/* main.cpp 841: */
/* main.cpp 842: */x=1;& ?; f(1,2)  LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 classM(q)+=-  -
/* main.cpp 843: */ >* {]L L,x::y)
/* main.cpp 844: */!="s" :: x::y- 
/* main.cpp 845: */ ->
/* main.cpp 846: */ *
/* main.cpp 847: */
/* main.cpp 848: */->}  123456789 x "s" <alpha_beta_gamma_delta class] :: )>>]<<= ],xLONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 "s":x||<<=.**__try [& 0  [<<=&&x=1;try )|| 
/* main.cpp 849: */?~[Lname;( alpha_beta_gamma_delta "s"__try s.*p -
/* main.cpp 850: */ >* ? } ->* class} <<=catchM(q) ||, , ) -
/* main.cpp 851: */ >* ?q; ||catch Lclass class - <<= ->* ]:
/* main.cpp 852: */ :int < ::-] x::y LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 *-
/* main.cpp 853: */ >*  ; 
/* main.cpp 854: */'c' a->*bclassf(1,2)> ? >> 12  q 12  ( __tryLname -> { x::yx s.*p 12  Lname , [ 0 :x&&LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1x::y== "s".* == >>] 	 int<<=&&(?, Lname~[(==class+=-
/* main.cpp 855: */ >* ->*->
/* main.cpp 856: */ * -> trys.*p&->|| & - .*int{? 
/* main.cpp 857: */0 int- [LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 alpha_beta_gamma_delta 
/* main.cpp 858: */
/* main.cpp 859: */
/* main.cpp 860: */
/* main.cpp 861: */12 ~+= 
/* main.cpp 862: */
/* main.cpp 863: */LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 >try* ->Lname|| ) x=1;L  0 ,s.*p == x::y LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 s.*p 12 x=1; [ &{ [ :
/* main.cpp 864: */ : 0 (x Lname-:
/* main.cpp 865: */ :
/* main.cpp 866: */
/* main.cpp 867: */-- :
/* main.cpp 868: */ : 0  try-> q q 'c'-> ~ class q  >> class]~x LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 *<  "s"}catch ,== || ? &s.*p || 123456789  &,'c'*x=1;:	 f(1,2) * a->*b ] ] ->* :: class{
/* main.cpp 869: */
/* main.cpp 870: */try q::.*.* x__tryx=1;+=alpha_beta_gamma_delta::LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 
/* main.cpp 871: */
/* main.cpp 872: */int
/* main.cpp 873: */alpha_beta_gamma_delta+= -- {x->* : 
/* main.cpp 874: */ :
/* main.cpp 875: */ : 
/* main.cpp 876: */catch 
/* main.cpp 877: */: , > Lname -
/* main.cpp 878: */ >*&
/* main.cpp 879: */
/* main.cpp 880: */* >>  LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1intLONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1
/* main.cpp 881: */
/* main.cpp 882: */s.*p? !=.* x::y__try x::y 12 (* !=-
/* main.cpp 883: */ >** ->   "s"alpha_beta_gamma_delta: [ :
/* main.cpp 884: */ : >	 --( 
/* main.cpp 885: */s.*p? 0  &
/* main.cpp 886: */
/* main.cpp 887: */<|| 	L)&a->*b -
/* main.cpp 888: */ >*& <<= ; 
/* main.cpp 889: */+=->
/* main.cpp 890: */ *Lname.*>>>->)&{x=1;&&--int==alpha_beta_gamma_deltax::yxalpha_beta_gamma_deltaLint~ ==f(1,2) !=alpha_beta_gamma_delta* x::ycatch && ->* 	int 12 (int* *+=? :
/* main.cpp 891: */ :x::y)L->*x=1; -- 
/* main.cpp 892: */
/* main.cpp 893: */[ __try - Lname->
/* main.cpp 894: */ * x=1; f(1,2)~<:
/* main.cpp 895: */ :|| != == catch ||	x try .*<<= +=] ->
/* main.cpp 896: */
/* main.cpp 897: */
/* main.cpp 898: */f(1,2)x=1; L 0  {	 L 0 try	  ~  0  ) class+=	 .* ,== 
/* main.cpp 899: */<   123456789 :  123456789  123456789  [~x] x ~ += x=1;>> Lname s.*p	__try->* -> x::y ]-
/* main.cpp 900: */ >*x::y?classclass,  0 <<=  123456789 class ( || ), 
/* main.cpp 901: */try <<=x=1;& .* ->* &&->* :::
/* main.cpp 902: */ : +=alpha_beta_gamma_delta }? try ||catch& ->
/* main.cpp 903: */ *->** LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1-- 
/* main.cpp 904: */
/* main.cpp 905: */alpha_beta_gamma_delta class  123456789 x::y "s"a->*b-> ,
/* main.cpp 906: */>try+= s.*p? 'c' -} -- -> a->*bcatch-
/* main.cpp 907: */ >* int :
/* main.cpp 908: */ : x::y*"s"}  12  catchint  12 a->*b<__try<	 && ->
/* main.cpp 909: */ *!= 
/* main.cpp 910: */__tryalpha_beta_gamma_deltaLONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1
/* main.cpp 911: */12 > xx s.*p[ ** )==-a->*b catch>>~ &	 >{:
/* main.cpp 912: */ : a->*b{ intLLONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1
/* main.cpp 913: */|| ->
/* main.cpp 914: */
/* main.cpp 915: */==x=1;a->*b
/* main.cpp 916: */<: ( 0 x::y 
/* main.cpp 917: */
/* main.cpp 918: */
/* main.cpp 919: */::x!=
/* main.cpp 920: */x=1;::"s"
/* main.cpp 921: */; == 
/* main.cpp 922: */-~LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1-- a->*b==alpha_beta_gamma_delta { f(1,2) <alpha_beta_gamma_deltax::y>x=1;-<LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1,
/* main.cpp 923: */
/* main.cpp 924: */
/* main.cpp 925: */q "s"try->
/* main.cpp 926: */ *
/* main.cpp 927: */
/* main.cpp 928: */)+= ;  12 -
/* main.cpp 929: */ >* f(1,2)
/* main.cpp 930: */>"s" ,||>>  * ::x=1;; LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 *:: :
/* main.cpp 931: */ : f(1,2)-'c'x::y:;->& 0 L ints.*p *--'c'x=1;; += 123456789 -- x=1; 
/* main.cpp 932: */;:  :
/* main.cpp 933: */ : +=; Lname ~]:
/* main.cpp 934: */ :"s"try && 12  int- & try* L:
/* main.cpp 935: */ :->*> <, ~>> +=!= &"s" .*<<=q ->
/* main.cpp 936: */ * );>>	int->* ->
/* main.cpp 937: */ * __try [<<= << }f(1,2)!=:: 
/* main.cpp 938: */}alpha_beta_gamma_delta	 L->*& ->>>( 123456789 :
/* main.cpp 939: */ :--? ,Lname{ alpha_beta_gamma_delta>>Lname>> ] <x::y__try->
/* main.cpp 940: */ * --<intL} [> 0  &&s.*p   s.*p==x::y>try ->s.*p } || try
/* main.cpp 941: */:
/* main.cpp 942: */ :
/* main.cpp 943: */->*->*&& .* ::LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1catch->*catchint>.*:
/* main.cpp 944: */ :x=1; L'c' ::<<= 
/* main.cpp 945: */<) ;; { __try 
/* main.cpp 946: */f(1,2) x=1; x::yLONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 f(1,2) > < &&Lnamecatch-+= != x=1;tryx::yx||
/* main.cpp 947: */]:
/* main.cpp 948: */ :  123456789  --x x::yx::y ;::s.*p [x L  0 : & 12  
/* main.cpp 949: */
/* main.cpp 950: */0  --int 'c' 	--?&~ x*try { ,__try 12 f(1,2)f(1,2)+= LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 ;  0  a->*b] : a->*b Lx::y Lname  12  *-
/* main.cpp 951: */ >* ;tryint 0 __try --	 ::[ 	&+=->]LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 ?Lint 'c' :
/* main.cpp 952: */ :*  ====x=1; ==( }> __try: 
/* main.cpp 953: */.*"s" += x::y}  0 
/* main.cpp 954: */-  ->
/* main.cpp 955: */ *Lname 	 &&	 +=== ( Lnamex q)-|| ()<<=->* &-
/* main.cpp 956: */ >*"s" __try ->
/* main.cpp 957: */ * alpha_beta_gamma_delta --try  12 q-> -.*>> ->
/* main.cpp 958: */ *s.*p->
/* main.cpp 959: */ *==x::y -
/* main.cpp 960: */ >*->
/* main.cpp 961: */ * a->*b 123456789 ==) s.*p.* 
/* main.cpp 962: */'c'*?x
/* main.cpp 963: */
/* main.cpp 964: */-- 
/* main.cpp 965: */-- != }?:: >>x::y 123456789  Lname->
/* main.cpp 966: */ *class *	 "s"'c' -  12 int a->*b 
/* main.cpp 967: */)&;->; 
/* main.cpp 968: */~  123456789  - __try?s.*p & [q <<=( 
/* main.cpp 969: */
/* main.cpp 970: */LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 "s"&q  }>>: ~ ==  123456789 ( :: tryx::y& , !=<try 0 Lname :(try?+= < [
/* main.cpp 971: */0 & __try 
/* main.cpp 972: */a->*bint f(1,2) >tryx->
/* main.cpp 973: */ * ->
/* main.cpp 974: */ *tryLname "s" 	,&~==, xLLname
/* main.cpp 975: */
/* main.cpp 976: */x::y	 try ;)]->*!=-x  ->
/* main.cpp 977: */ *[ } <<= ->
/* main.cpp 978: */ *catch (;:
/* main.cpp 979: */ :  0 Lname ->
/* main.cpp 980: */ * 12 ->
/* main.cpp 981: */ * * L-
/* main.cpp 982: */ > <<=*.* ;=='c'(?
/* main.cpp 983: */
/* main.cpp 984: */;s.*palpha_beta_gamma_delta 
/* main.cpp 985: */
/* main.cpp 986: */x :
/* main.cpp 987: */ : x=1;x=1;catch )x::y, "s";||, catch L::alpha_beta_gamma_delta->*Lname] ||'c'-
/* main.cpp 988: */ >*'c'-> 
/* main.cpp 989: */__try >x::y-> >>s.*p Lname 'c'x__try Lname --== 	+= ||-
/* main.cpp 990: */ >* ->f(1,2)
/* main.cpp 991: */
/* main.cpp 992: */alpha_beta_gamma_deltaint "s" catch-LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1__try
/* main.cpp 993: */.* -> &
/* main.cpp 994: */ == classf(1,2) s.*p:tryf(1,2)  123456789  __try q:
/* main.cpp 995: */ : ==class<<=-
/* main.cpp 996: */ > 
/* main.cpp 997: */
/* main.cpp 998: */<<= 	  ;[->[x 0  
/* main.cpp 999: */
/* main.cpp 1000: */>> 	 -
/* main.cpp 1001: */ >*-> <<= Lname~
/* main.cpp 1002: */
/* main.cpp 1003: */->&&-- LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 :
/* main.cpp 1004: */ :->* ==
/* main.cpp 1005: */> } -- -
/* main.cpp 1006: */ >* += try*  == catch 0  
/* main.cpp 1007: */
/* main.cpp 1008: */f(1,2) --LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1:
/* main.cpp 1009: */ :::"s" 
/* main.cpp 1010: */'c'
/* main.cpp 1011: */q}- catch ~alpha_beta_gamma_delta.*[ ->
/* main.cpp 1012: */ *x--int ] LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1M(q)a->*b ? < catchx=1; { 'c' >>x=1;::(
/* main.cpp 1013: */intx=1; ==alpha_beta_gamma_delta x=1;"s"|| f(1,2):::
/* main.cpp 1014: */ : {->
/* main.cpp 1015: */ *int~ try 
/* main.cpp 1016: */
/* main.cpp 1017: */(,x::y ->* ->* <> :[;  123456789  catch ->
/* main.cpp 1018: */ *[{ ;~.* -
/* main.cpp 1019: */ >* 'c' >><<=__try{try ==tryint -int-- x::y : LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 123456789  
/* main.cpp 1020: */catchtry 
/* main.cpp 1021: */
/* main.cpp 1022: */
/* main.cpp 1023: */&& 	+=] (-< ->*LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1x!= __try>> LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1} x::y&]-::(&catch->) ([
/* main.cpp 1024: */~*class<<=<<=LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 ~try:
/* main.cpp 1025: */ :+=<->* :: :
/* main.cpp 1026: */ : f(1,2) & L:
/* main.cpp 1027: */ :[* <.* f(1,2)!=	 -
/* main.cpp 1028: */ >*x=1; try catch__try+=x=1; == 
/* main.cpp 1029: */->
/* main.cpp 1030: */ * LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1
/* main.cpp 1031: */
/* main.cpp 1032: */
/* main.cpp 1033: */
/* main.cpp 1034: */-> 
/* main.cpp 1035: */
/* main.cpp 1036: */== catch, [< 'c' 
/* main.cpp 1037: */)] ->* ::==  123456789  &
/* main.cpp 1038: */'c'  
/* main.cpp 1039: */'c' 12 *->*-- try [== f(1,2) a->*b Lname:
/* main.cpp 1040: */ :	<<= -
/* main.cpp 1041: */ >* != 'c' class
/* main.cpp 1042: */<<=
/* main.cpp 1043: */
/* main.cpp 1044: */*x::yLname;{
/* main.cpp 1045: */LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1catchL L 123456789 L 
/* main.cpp 1046: */
/* main.cpp 1047: */- __try 0 catch& *==x=1; a->*b Lname>> * 0  alpha_beta_gamma_delta:+= == ~ .*__tryx::y catch -> f(1,2)"s" a->*b( & - s.*ps.*p Lnamex::y (<<=--
/* main.cpp 1048: */
/* main.cpp 1049: */||]x=1; !=
/* main.cpp 1050: */&& L
/* main.cpp 1051: */:
/* main.cpp 1052: */ :  12 tryf(1,2)x "s" ?;> ( s.*p~ 
/* main.cpp 1053: */"s"||?+= -
/* main.cpp 1054: */ >* -
/* main.cpp 1055: */ >*"s"
/* main.cpp 1056: */classLONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 ? 
/* main.cpp 1057: */::->-
/* main.cpp 1058: */ >***{ catch < || 12  ->*& ;q< 
/* main.cpp 1059: */123456789  > intint-
/* main.cpp 1060: */ >*alpha_beta_gamma_delta&q -
/* main.cpp 1061: */ >*
/* main.cpp 1062: */::&x::y== x=1;{  x 
/* main.cpp 1063: */
/* main.cpp 1064: */<<=LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1<?->
/* main.cpp 1065: */ *-> +=] x=1;>alpha_beta_gamma_delta ( {->* <:: a->*b ,q( alpha_beta_gamma_delta __try,L ==? [f(1,2){ try!= -,:
/* main.cpp 1066: */ :  
/* main.cpp 1067: */Lname .*class [ } :
/* main.cpp 1068: */ : }int: q x=1; int && 123456789  }'c'
/* main.cpp 1069: */|| LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 >> 	|| >>]f(1,2)s.*p 'c' +=alpha_beta_gamma_deltaa->*b --(x::y -
/* main.cpp 1070: */ >* :"s" catch s.*px ?{ LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 )a->*b <<=<<= "s"catch ->*>[< x::yM(q)Lname Lname +=try L):
/* main.cpp 1071: */ :  ::Lname 
/* main.cpp 1072: */a->*b]+= f(1,2) } +=- , x::y  12 } "s" L {s.*ps.*p >catch
/* main.cpp 1073: */<<=&&<<= { ->
/* main.cpp 1074: */ * -   __trycatchxclass{( ->
/* main.cpp 1075: */ * -catch;--s.*p Lname ,  123456789 >::L&&&&x::y<<= 123456789 != )!= || += 12  ; x-
/* main.cpp 1076: */ >*f(1,2)&& -
/* main.cpp 1077: */
/* main.cpp 1078: */ > 
/* main.cpp 1079: */
/* main.cpp 1080: */alpha_beta_gamma_delta .* < :: <[ -) == a->*b x::y- :, alpha_beta_gamma_deltaL "s"!=  ]classLname (* ->
/* main.cpp 1081: */ * a->*b class  123456789  f(1,2)int 'c' > -
/* main.cpp 1082: */ >*(-
/* main.cpp 1083: */ >* * f(1,2)x=1; [(<-
/* main.cpp 1084: */ >* &Lname-> - f(1,2)
/* main.cpp 1085: */.* q ,&&
/* main.cpp 1086: */LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 ; Lname{ __trytry Lname
/* main.cpp 1087: */123456789  
/* main.cpp 1088: */
/* main.cpp 1089: */"s": 123456789 
/* main.cpp 1090: */->
/* main.cpp 1091: */ * ?x::y~xx==  [ & alpha_beta_gamma_delta 'c'? <<= alpha_beta_gamma_delta;try&&||:
/* main.cpp 1092: */ :  :
/* main.cpp 1093: */ : x{  123456789 :
/* main.cpp 1094: */ :s.*px=1;s.*p:
/* main.cpp 1095: */ : catch->*catch* ||a->*bcatch?}-
/* main.cpp 1096: */ >*:__try }::L
/* main.cpp 1097: */123456789  {  .*try!=;,>{ ,LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 <<=
/* main.cpp 1098: */->  *== :: <<=	~ -- ) x::yL __tryx::y -
/* main.cpp 1099: */ >*
/* main.cpp 1100: */x :
/* main.cpp 1101: */ : L <<= ->* ::Lname 'c' x::yx::y< .* "s" 123456789 * int ||,catch alpha_beta_gamma_delta	Lname|| * +=x 	: "s"LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 :: }::s.*p+= 0  ?  0  L  12 ->
/* main.cpp 1102: */ *catch?!= x~  12 >>x=1;{,try +=: f(1,2) >>><!=__try s.*p*__try 12  f(1,2) 123456789  	
/* main.cpp 1103: */: 
/* main.cpp 1104: */* .* --s.*p.* "s": 	
/* main.cpp 1105: */alpha_beta_gamma_delta x=1;alpha_beta_gamma_deltaLs.*p >> ~-- && * 
/* main.cpp 1106: */x=1; ==LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1.*x=1; ~x::y , 
/* main.cpp 1107: */:->
/* main.cpp 1108: */ *class )x] .*>> f(1,2) a->*b a->*bint;alpha_beta_gamma_delta 	!=&&   ->
/* main.cpp 1109: */ *  12  >>  12  .* 123456789  :
/* main.cpp 1110: */ :Lname>>&& catch::;x=1; ]
/* main.cpp 1111: */
/* main.cpp 1112: */-
/* main.cpp 1113: */ >*; int 123456789  	 ->
/* main.cpp 1114: */ * f(1,2)
/* main.cpp 1115: */(
/* main.cpp 1116: */catch Ltry L ;} -
/* main.cpp 1117: */ >* L.*s.*p ||< 0  - __tryxx::y  <>xx=1; != ?catcha->*b, try +=s.*px=1;s.*p ->
/* main.cpp 1118: */ *< a->*b "s"-
/* main.cpp 1119: */ >*>>>>;!=,] 
/* main.cpp 1120: */-- & class x::y 
/* main.cpp 1121: */
/* main.cpp 1122: */L
/* main.cpp 1123: */<<= x::yLONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 != alpha_beta_gamma_delta,>>::x=1; -
/* main.cpp 1124: */ >* -> &&& (!= ) == Lname !='c'&  a->*b != ||~: LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1:: != :
/* main.cpp 1125: */ :LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 12 int < ?~-- 12 f(1,2) x=1; .* f(1,2) "s" x=1;Lname 
/* main.cpp 1126: */
/* main.cpp 1127: */->
/* main.cpp 1128: */ *int< :: >>Lname <<= *->try.* ; += a->*bLONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1;
/* main.cpp 1129: */x__try
/* main.cpp 1130: */->* < 	class class ->
/* main.cpp 1131: */ *catch<<= (s.*p>>;>x::y ~ LnameLONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 ]__try:: :
/* main.cpp 1132: */ ::-
/* main.cpp 1133: */ >* [ alpha_beta_gamma_delta :
/* main.cpp 1134: */catch
/* main.cpp 1135: */
/* main.cpp 1136: */123456789  
/* main.cpp 1137: */<<= LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1  :
/* main.cpp 1138: */ :? 'c'L"s"
/* main.cpp 1139: */
/* main.cpp 1140: */f(1,2)class 
/* main.cpp 1141: */
/* main.cpp 1142: */-  ->
/* main.cpp 1143: */ *[: -
/* main.cpp 1144: */ >* & s.*p .* )s.*p 
/* main.cpp 1145: */
/* main.cpp 1146: */:
/* main.cpp 1147: */ :
/* main.cpp 1148: */
/* main.cpp 1149: */]&& - LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 class 
/* main.cpp 1150: */[ -<<= -> -x <<= [, q] ?try L --[class:
/* main.cpp 1151: */ :[( && Lname &<->*&&f(1,2)x>>x::y --?-
/* main.cpp 1152: */ >*s.*p.*&&
/* main.cpp 1153: */
/* main.cpp 1154: */&&&:::: 
/* main.cpp 1155: */:: 123456789 "s"!= & <<=:
/* main.cpp 1156: */ :L  	 alpha_beta_gamma_delta alpha_beta_gamma_delta LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 :)a->*b x::y -- :{ 
/* main.cpp 1157: */
/* main.cpp 1158: */>
/* main.cpp 1159: */
/* main.cpp 1160: */
/* main.cpp 1161: */
/* main.cpp 1162: */* __try|| ; try__try->  ->?
/* main.cpp 1163: */x=1;alpha_beta_gamma_delta== <LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1L 
/* main.cpp 1164: */:
/* main.cpp 1165: */ :: x->
/* main.cpp 1166: */ *>> "s"alpha_beta_gamma_deltaLONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 "s" ; +=[ x > ||f(1,2) alpha_beta_gamma_delta*
/* main.cpp 1167: */
/* main.cpp 1168: */try&& 12   12 ->
/* main.cpp 1169: */ *"s":
/* main.cpp 1170: */ :"s" f(1,2)	:: x 
/* main.cpp 1171: */?!=<|| ~>>catch?||,class== ] :--Lname (|| : x ||*a->*b[ s.*p__try ->
/* main.cpp 1172: */ *) 0  intalpha_beta_gamma_delta ::->*]LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1
/* main.cpp 1173: */__tryx::y .*!= 0 !="s")L }-
/* main.cpp 1174: */ >*&&] 
/* main.cpp 1175: */: a->*btry)q 	<a->*b 12 (:
/* main.cpp 1176: */ : ; - 123456789 += ~s.*ps.*p==LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 +=
/* main.cpp 1177: */+= ::f(1,2)==  [int- 
/* main.cpp 1178: */
/* main.cpp 1179: */ >x 'c' &&->
/* main.cpp 1180: */ *L[->
/* main.cpp 1181: */ * 123456789 :{&{~try-- 'c'LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 "s"  !=:
/* main.cpp 1182: */ : > x::yalpha_beta_gamma_delta x=1; int->* __try---- +=->catch 
/* main.cpp 1183: */
/* main.cpp 1184: */* f(1,2)::
/* main.cpp 1185: */[ --;
/* main.cpp 1186: */123456789  "s"==s.*pa->*b( 123456789  	;::-- __try& 'c':
/* main.cpp 1187: */ :-> s.*pa->*b 'c'  0  *a->*bclasscatchx=1; x "s" ==x=1;->*
/* main.cpp 1188: */.*->
/* main.cpp 1189: */ * x x=1; ~- <alpha_beta_gamma_delta {class	 
/* main.cpp 1190: */
/* main.cpp 1191: */&& f(1,2) &f(1,2) ->
/* main.cpp 1192: */ * 12  123456789 
/* main.cpp 1193: */classcatch&&-.*: -
/* main.cpp 1194: */ >*: ->
/* main.cpp 1195: */ *class> ; class f(1,2)catch ] & -
/* main.cpp 1196: */ >*
/* main.cpp 1197: */__try== >><
/* main.cpp 1198: */f(1,2)--  &
/* main.cpp 1199: */
/* main.cpp 1200: */
/* main.cpp 1201: */:: 
/* main.cpp 1202: */,s.*pclass catch -
/* main.cpp 1203: */ >*	>  == 
/* main.cpp 1204: */
/* main.cpp 1205: */--LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 __try:
/* main.cpp 1206: */ :s.*p , ( :
/* main.cpp 1207: */ :>>, "s">-
/* main.cpp 1208: */ >*:
/* main.cpp 1209: */ : 12  ] L ; ->*;;; ||)+=, ||:
/* main.cpp 1210: */ :] ;, ? -
/* main.cpp 1211: */ >*x "s"~ intLname,class&&>>  ==>> f(1,2)  0  LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 'c'<s.*p class ? class }	;q&xLONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1*classcatch==  ]L-- }; x=1;<<=s.*p? --a->*b* f(1,2)x||[ x=1;: xLONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 != != ;	 +=;::	 || 
/* main.cpp 1212: */
/* main.cpp 1213: */
/* main.cpp 1214: */
/* main.cpp 1215: */
/* main.cpp 1216: */
/* main.cpp 1217: */
#define SHOW(a) a
L"ws"<<=|| +=[ 
~ 
 -+= ] == %L'w'; , ->}

/* start */ xM :: 'c'defined 12 <<=    defined 
\
w<<="s" a\
bM &&
 y-> L'w'
#define M 1
 a\
b 
/* start */ x --[!= 
#if 1
q
#endif
 
#define M 1
&
&+\
=// line
^= ^= ? ; alpha_beta_gamma_delta /* c */"s"Lname    ->
    defined:: ^=-\
><<=// line
 <-\
>--
/* start */ xL'w' ::>|}-\
> int'c'&&>( ]__LINE__, ? 
#if 1
q
#endif
 int&,a\
ba\
b-\
> :: { 
 zalpha_beta_gamma_deltaa\
b>>-{)__LINE__ >>(int 
/* start */ x%
 ya\
b != ::==,[ [ ~L"ws"   +=+\
=  !=LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1;^= 
 y-L"ws"
 z::+= & ||int->{
#define M 1

 z:>{==<<=
 'c'^=-\
> ==]|| 
\
w ] 
  { &&LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 MLONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1  0x1F -> ?:: * ; !=>
#if 1
q
#endif
&& ;<<= LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1> ] -defined  *L~| ; L'w'} ) LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1_asm_not ,:::
L'w'? ==a\
b!= <+= // line
 12  0x1F  ; 
#define M 1
 -\
>L"ws" L'w' ; // line
 &{ alpha_beta_gamma_delta && L 'c' ? ^=
#if 1
q
#endif
 % 
==LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1? L -\
>// line
Lname:alpha_beta_gamma_delta->&&->
 y <<=~} M// line
  12 { % 'c'== +=||
\
w  12 
/* start */ x{ >>LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 <<=
#define M 1
 } && >!=&-\
> 
\
w | 
\
w  %// line
 __LINE__ defined-{ 0x1F  -> <<= 
Lname Lname 12 ^= *"s" /* c */
 }Lname	== 12 !=    'c' >~  | 
#if 1
q
#endif

#define M 1

#define M 1
, ) && /* c */ {	 } defined
#if 1
q
#endif
 -\
> [ : 
#define M 1
L'w'LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 

 y
\
w 
/* start */ x:] ::M L != _asm_not'c'<
-- 'c', ]alpha_beta_gamma_delta 'c'&:~intL'w' ,   ?/* c */ _asm_not     0x1F -> { , ]  0x1F  
#if 1
q
#endif
]+=%Lname %+= 
#define M 1
"s">>__LINE__ 
/* start */ x // line
__LINE__:: &   -} L'w'
 
 y 
#define M 1
 -\
>
 y 	   _asm_not+= ->defined __LINE__L "s"'c' -> ? 
/* start */ x
!=; 'c'^=L"ws"M >>:_asm_notL"ws" 
<<= >>   
#define M 1
 ==~- 0x1F  * > : ~ ,  :?||_asm_not 
 y?/* c */  0x1F  Lname ,/* c */)>alpha_beta_gamma_delta a\
b /* c */ L < }L"ws"/* c */ L'w' _asm_not
 z ||^=&&	L'w'Lname +\
=LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1-\
>}

 &&-\
>| Lname /* c */(  12  (:: { L
 z  |]{;L | - , _asm_notL"ws" ML'w'L'w'
 /* c */
    alpha_beta_gamma_delta
\
w
#define M 1
M
 y-> 
 
   L != "s">> // line
== ->-- 
\
w (] a\
b< &M 
 z >~ _asm_not   &// line
 > Lname-\
>
#define M 1
:: /* c */ /* c */-\
> >>)Lname < "s"_asm_not  0x1F 
-\
>!=L alpha_beta_gamma_delta'c' +\
=	== 
 y x:
#define M 1
 %*>+=a\
b
   
#if 1
q
#endif
 alpha_beta_gamma_delta int~ :: { {  )-> Lname
 zalpha_beta_gamma_delta 

/* start */ x 
#define M 1
 :: _asm_not >*
> [ x ~{L"ws"  ~ 
 yalpha_beta_gamma_delta
?L'w'<<=( int | %int LL -\
> -> } _asm_not && 12 != } definedLONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1  12  /* c */
 yintint|| Lname[&& 12  alpha_beta_gamma_delta 12 Lname 
\
w ;a\
b>| [?-->>::+\
= &&int 'c' ( ?!=_asm_not L"ws"
#define M 1
L"ws" 
   <!= ~* ^=:a\
b L"ws">:: :: ^='c'
 :::: x 
 0x1F %   :
  ?-"s" ||:| 
LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1	;L"ws":: [ {||M
 y/* c */	M ; -+\
=<   <<=  +\
=::  ]( ->,]% 	 0x1F !=
 y ? // line


 z & 'c' 
\
w>>-\
> 'c'+= L"ws"==a\
bx} 0x1F  ||? 
#define M 1
 ^=  (&&'c' [
   -->==+=%:alpha_beta_gamma_delta L"ws"
#if 1
q
#endif

/* start */ x   <<= -\
>int L__LINE__||
\
w%   defined -\
> } definedLname 0x1F  
#if 1
q
#endif
*a\
b
#if 1
q
#endif
__LINE__ 'c' &&L  Lname :: ,
 y+=// line
>> M) ;  x ==>;"s" LnameL   x^=	>>[xx-&& - LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 :;-\
>%>> 
#if 1
q
#endif
<Lnamex >> L'w'(
\
w"s" 
   ( -- |  
#define M 1
__LINE__ +=__LINE__xL'w': // line
? 12 L"ws" 
 L %% 
#if 1
q
#endif
 >>
\
w{? +=
/* start */ x<xM+\
=? >L"ws"{ ,  0x1F  +\
=^= 
#if 1
q
#endif
 :: 
/* start */ x^= int LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 }
\
w[ &
#define M 1
!= _asm_not ; int /* c */M->&& ? | ~] <+=intLname 
 z % alpha_beta_gamma_delta'c'
   ::/* c */ - // line
 ~x,|] /* c */==||<<=defined ?-\
> ];%^= 	 int  0x1F  ( :: 
 z +=[ 12  {
~||   += 0x1F  LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1defined
     12  
 	 ; ;?{&&
#if 1
q
#endif
) ,{ 	+=a\
b 
#if 1
q
#endif
 	
 z * -\
> /* c */alpha_beta_gamma_delta 
#define M 1
<<= :L"ws"// line
+= ::
#if 1
q
#endif
int== && ; L'w' int , 
/* start */ x
    ||L 
/* start */ x& -==?%
/* start */ x(LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1_asm_not Lnamedefined__LINE__L"ws"Lname %+\
= 
x ; 
 LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1   ML **_asm_not< xL L'w' ( * %!=	& && 12 ]{-\
>'c'
 yint ]  +\
= ~ L"ws" 12 [ LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 ->a\
b+=
    ::^=+\
= {&||
 y !=:: -^=&-- 
#define M 1
 12  0x1F  alpha_beta_gamma_delta
#if 1
q
#endif
 'c' 'c'
? __LINE__ :}x <
#if 1
q
#endif
 L'w'

 +\
= a\
bx? /* c */^=  
   defined&& "s" <<=)  0x1F    0x1F },+=:: LxL'w'alpha_beta_gamma_deltax{ *%	% :: <<= 
\
w
+=L"ws" ~ ( ||-> 
#define M 1
LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 L~ L ) M <
#if 1
q
#endif
-> ] 
\
w : ( ;  0x1F  -\
>  ->
a\
b  12  
 int ^= != *!=
/* start */ x~ +\
=   } 
 y?!=>
   /* c */ [ -&&* % )? :: -\
>'c' L'w'  12     
/* start */ x!=) a\
bint
/* start */ x   || -- ]L|'c' L)?<a\
b-- 12 Lname-- "s" a\
b&&] && 
defined
#define M 1
}!=, > |~:( 	 L'w' 
\
w~alpha_beta_gamma_delta
    a\
b==%~ -(^=
/* start */ x --x } & --
#define M 1
| 
/* start */ x 0x1F  <<= 
/* start */ x
\
w __LINE__> 
\
w
\
w L"ws" &&<>> int  0x1F  ( L'w'L"ws" +\
= /* c */ /* c */< L  [
#if 1
q
#endif
'c'>> ? 
     L
 z /* c */ 
 <<=  ->)( alpha_beta_gamma_deltaa\
b
 y L"ws"
^=>>+=__LINE__'c'  
 z== definedint]
#define M 1
%/* c */   ~ ? {-- <,<?]-->><<===--::,&& +=Lname x[-
&&{+\
= definedx- +\
=L+\
= L"ws"-- : ,LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1
    LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1<<=;  0x1F // line
<*x ^=
 z_asm_not |
#define M 1
 <<= [ !=L -\
>__LINE__"s" 
 z LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 L% * > ==_asm_not||
||  12 ~%'c'defined:   defined
 z:a\
b } M'c'-> L'w' defined ,>>'c'
/* start */ x 
->"s"&LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1* LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1   12 || +=Lname definedalpha_beta_gamma_delta xint L"ws"int defined   &&__LINE__  
/* start */ xint"s" __LINE__ LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 %&& -\
>^=__LINE__ >
 zL'w'M-\
>& x||-\
> ?&&== }; -\
>)|a\
b:
#if 1
q
#endif
 a\
bL"ws"int x  a\
b // line
// line
] LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 
 +\
= 
'c'
#if 1
q
#endif
 |*== 12  alpha_beta_gamma_delta: 
#define M 1
 Lname}-\
> 
    =='c'-- x 'c' +\
= ( defined_asm_not{x ?::Lname"s" -- 
\
w
 ]%--
#if 1
q
#endif
<<= []*x ->{	-\
> L"ws"M__LINE__* "s"	alpha_beta_gamma_delta <// line
{&&_asm_notLnameL"ws"
   "s"alpha_beta_gamma_delta
 y// line
 // line
 -> *L"ws" ]> 
 ya\
b
 z% -\
>(~^=M L -\
>
 ^=// line
 +\
='c'&&  0x1F --
 z)^= != ~defined< { > ) &< 
    
#if 1
q
#endif
{  0x1F /* c */
    L 0x1F 
< !=,/* c */ } <<= 
#define M 1
   int 
/* start */ x

 y ->
\
w x{L 0x1F - <<=x &&[+={
 z  ==Lname% ,alpha_beta_gamma_delta &&& <'c'  L'w' // line
< != /* c */
\
w% defined Lnamex	L"ws" ] 0x1F  }M
    } 
- <<=
#if 1
q
#endif
 ( 0x1F | }
/* start */ x &&   <
   ^=== 
#define M 1
 ?"s"^= > [ ? _asm_not ^=]&& ^=
   +\
= }<<= a\
b 
#if 1
q
#endif
&& &&& 
 y ?'c' ||a\
b ^=Lname a\
b: -\
> 'c'M --_asm_not ||!=+\
= | && 
 z > ~ 
#if 1
q
#endif
 - : L-\
> 12 }~~x Lname}? ( >
 -- - [ +=<<=|| )defined 
/* start */ x; 	_asm_not : ( a\
b} ]->
 z __LINE__-> Lname	 a\
b
#if 1
q
#endif

#if 1
q
#endif
 'c'
/* start */ x('c'-- <? M
#if 1
q
#endif
Lname defined ?defined
alpha_beta_gamma_delta LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1
 y'c'__LINE__>> 
/* start */ x 0x1F  * 
   ~ L ; __LINE__-\
> a\
b "s",| x ) :<||// line
 <<<=__LINE__ 0x1F  // line
+=
#if 1
q
#endif
LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 -
#define M 1
 ^=M L"ws"alpha_beta_gamma_delta* L)&~ int	// line
-\
>& 
#if 1
q
#endif
a\
b{+= (Lname-\
>; 
 y L"ws"  > "s" 
 y }
#define M 1
	"s" &
 y	&  12 - x L'w' -\
> :||	--(-defined 
#if 1
q
#endif
a\
b%	 12  defined	 alpha_beta_gamma_delta~  &!= ~ 12 // line
!=&*] -\
>>> <<= L"ws" M==+=_asm_not 
/* start */ x ] defined? } int ) *->&--	 +=__LINE__< 
 z
M , ( , LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1{{{ 0x1F LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 }>|"s"L'w' )  Mdefined ^= 
 y>>"s"!=<} LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1,
 
 x // line
 &&L <<=defined
/* start */ x} }// line
||!=
   
   Lname(~
 y
 y-// line
 ~? ]_asm_not {_asm_not  ]L	 ^=
 z::|| |L"ws" // line
alpha_beta_gamma_delta int>><<= 0x1F alpha_beta_gamma_delta} M }--&&+\
=&&|| &  0x1F  __LINE__alpha_beta_gamma_delta L [M}>>+=int==
+=  0x1F == 'c'int || |
 yL"ws" : LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 +\
=__LINE__ ~>>:: "s"defined -| Lname:	&&[ x
)( 12 : int }%->'c' -><<= %
#if 1
q
#endif
&
#define M 1
 || )||M } ] }__LINE__ x<<=|L'w'; 
 z += &&]  0x1F  !=+\
= ) < (--( // line
int ,~
 y alpha_beta_gamma_delta // line
~ 
 y-- 
\
w -)
- * 
 y defined<<=
 z// line
 
~"s" >>
/* start */ xM!= 
#define M 1
|| -\
> 
 y;int_asm_not?==% L"ws"/* c */;LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1>>_asm_not =='c'{  ( 
 z 
 z 
\
w[[ 
 y M L"ws" ) LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1| alpha_beta_gamma_delta >
 y ~&^===+= 
 
#define M 1
<]*	 
:: 0x1F  )   // line
--
#if 1
q
#endif
/* c */,<;<	 <<<=+=
 y L"ws"xdefined;L"ws"?&&} ? -\
> 
#if 1
q
#endif
!=[-- ==  
 y__LINE__+\
= 
 
 z| -- 0x1F }{ 'c'|ML x	* alpha_beta_gamma_delta>>alpha_beta_gamma_delta ) ~ -- &&^=<<="s" 
 z__LINE__ >> > Lname> __LINE__ 
\
w Lname
 LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 <<=|| ^= 
#define M 1
?
 y== [ M >__LINE__int int  0x1F  M; L'w'> += definedL'w' L'w' "s" Lname ~ :{ -\
>
 y<<= ->
<]
 z  /* c */"s"::&&& != _asm_not ->defined>> ||Lname ==<<= 	 ) 
-\
> :-- ; 12 !=
\
w definedint 
 y^=L"ws" defined   alpha_beta_gamma_deltaa\
b <_asm_notL"ws" "s"*'c' +\
=  12  ? 	:Lname(L'w' L"ws" L'w' defined+= )==LnameM
 y[-\
> || intint <<=
#if 1
q
#endif
{  
 zL'w'
 y a\
bL'w'+\
=::->   ? -\
>-_asm_not
 !=&&  0x1F +\
= += 
 <<={ __LINE__;x%// line
( ---\
> += LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1[^=% 
   
 >?
/* start */ x alpha_beta_gamma_delta(~?) ){--[ 
Lnamealpha_beta_gamma_delta&&   M [defined:? 	 
 |
#define M 1
 ,-;
   
\
w&{%?   
 
/* start */ xalpha_beta_gamma_delta 
 z  'c' alpha_beta_gamma_delta% ] |  12  int
 z& LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 L"ws"
 z < >  x __LINE__ 
#if 1
q
#endif
 // line
 , == ? 
 ::&&^=, 
#if 1
q
#endif
)'c' += _asm_not ( | {{ 
 	 ?int) ^=+=_asm_notxLONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1defined%% alpha_beta_gamma_deltaalpha_beta_gamma_delta-\
>,	 
 z| // line
 [alpha_beta_gamma_deltaL"ws" >defined 
\
w>>L >> 0x1F 
alpha_beta_gamma_delta == &
< 
#define M 1
|| 'c' > /* c */ 
&"s"
 yL% 0x1F  != // line
>_asm_notint _asm_not 
 y>>defined;-> |]] += 'c'->
      "s" 
/* start */ x{|- ==
 y*||__LINE__ || --== 12 ) int M  12 /* c */-\
>{) , :->}}-~ 12 ,alpha_beta_gamma_delta 
 & xa\
b; {] - L"ws"int 
 *
 LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1Lname -\
>+\
=/* c */ % ^= - ||	x~~alpha_beta_gamma_delta +\
= &&
 y]Lname~; > __LINE__defined
<<=
#define M 1
 ^= 
 ::
L|+= L ::,( }M 
/* start */ x ]|| && 12 __LINE__ __LINE__  
 >> ,|| 
\
w ||
#if 1
q
#endif

#define M 1
 
 y ->!=intL<<= L"ws" ]* -\
>& 
   alpha_beta_gamma_delta 
^=>--&&alpha_beta_gamma_delta +\
= L'w'"s"
   { }defined +\
=]!=  ;  0x1F  
#define M 1

 y // line
 0x1F _asm_not
 z [+\
=M -\
>}
<LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 += 	 L'w'? 
 y ;/* c */ 
\
w !=  
    ^= ;+\
= : )
^=/* c */--
   < // line
/* c */ L"ws" _asm_not, ? {~ L"ws" L"ws"&&- 
      x--   
 ~ _asm_not'c' 
 zx // line
)
 y ::
   && [-> && alpha_beta_gamma_deltaM a\
b( 
#if 1
q
#endif
  0x1F }  __LINE__& >>/* c */-\
>L"ws" --    -\
> alpha_beta_gamma_delta {
#define M 1
 > M /* c */+= ]L"ws"L
 y) )>==("s" ==-- L'w' {]"s"-\
>(:: _asm_not% -> LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 ?M; defined!= ->LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1-  0x1F 'c'&&
   &alpha_beta_gamma_delta 12  &&
 z% 
/* start */ x M] : L'w' ] 
   /* c */a\
bint+\
=|   ^=;}{: || a\
b
 z [ alpha_beta_gamma_delta'c' ==!=( ||


 || )^= 
 ^= , ,
\
wLONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1{::[L'w'?)/* c */ ->|^= || Lname } <>< 
/* start */ x :	 ]-- ::
\
w] _asm_not     
   
 y 		 Lname
/* start */ x:- /* c */
x 
\
w,!=
}  0x1F  
   ? != >>  0x1F  | ->'c' /* c */  -'c'
    
// line
L"ws"// line
 &L>{ & (*~ LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1_asm_not'c'
   -> ::LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1-\
> 
 y int ]&&<<=   ~ Lname||	 +=||[& 0x1F  
 M'c'>> 
#if 1
q
#endif
 /* c */  0x1F /* c */ &~
/* start */ x } !=x ) , )|| ::    , 
  12  , %defined
/* start */ x >> <<=)*ML'w';) ^=[::%]__LINE__ 12  * x] x// line
||?~ ||  &&  12  += _asm_not-LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1
\
w  
/* start */ x   &&__LINE__,L"ws" /* c */_asm_not >

#define M 1

/* start */ x"s"):!= }__LINE__ __LINE__
#define M 1
L)+= <<= int 
 z&&==	 L'w'   x 
 __LINE__int +=
\
w/* c */// line
x>->// line
 ||::
int 
 y'c'   &alpha_beta_gamma_delta: 
/* start */ x  0x1F Lname ~ int%
 z Lx +=: (~]L"ws"%|| ^=) 12 LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1
#if 1
q
#endif
 - alpha_beta_gamma_delta -> <<= ==L-M%- ^=?Lname> ;L"ws"!="s"
#define M 1
 <; /* c */:LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1- L'w'L'w'  12 
/* start */ x|&& ; <<=alpha_beta_gamma_delta   :Lname	-- defined 
M!=->  12  - L"ws",
 z &&
#define M 1
 
   < |,
 zdefined ->>^= != 
#define M 1
 12 
 z== <LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1int 
#if 1
q
#endif
 [LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1	&& ] {M-\
> ] --
#define M 1
	  ~
  
#if 1
q
#endif
_asm_not}| 'c'[ 'c'	L)&& 'c' %
 L L"ws"  & ? 
/* start */ x Ma\
b==-> -\
>~|| "s" 
   
/* c */ ?] a\
b
 z// line
 xint"s"
}_asm_not[ alpha_beta_gamma_delta 0x1F ==
   } 
\
w{ || ,) 12  %'c' 	 M 12 defined x ? {>intL'w' * -\
> /* c */ ;&&
#define M 1
-\
>L >
 y== >|| :_asm_not ~ 
#if 1
q
#endif
 
#if 1
q
#endif
 += ?
 y defined & 
\
w )||^=!= __LINE__
 z  a\
b 
\
w{ -M]|| ^= "s" >>L 
/* start */ xdefined int ) a\
b
 ->>>LLONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1
\
w< int** }} int* 	 alpha_beta_gamma_delta+=::L==
\
w  !=   >> M-\
>;[ && "s" Lname_asm_not 
 z['c'} 
/* start */ x( }-
    __LINE__%Lnamealpha_beta_gamma_delta  !=    ~-\
>%/* c */ &&L"ws")-\
> x Lname 12 L"ws"~~
 y-- -\
> M+=[ 
   
 y!= x:-
    L"ws" ;__LINE__-> LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 	)defined
#define M 1
 } L'w'^=* &^= 
    (
    [) L'w'
 y^=Lname< __LINE__// line
== -\
>M} defined> 
 > ::
#if 1
q
#endif
 :&Lname--LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 >>>
 
\
wdefinedL'w' - +\
='c'{L"ws" *?L // line
 ;defined: 0x1F  --int 
 y   
/* start */ x /* c */LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1% +=!= ::|	 0x1F  ==
#define M 1
!= ==~&&M||-|| __LINE__ 	 ||   > %&/* c */ ^=ML L"ws"||+=  +\
=-\
>==L'w',
  12 ;&& : ==
   alpha_beta_gamma_deltaLname ~^= ^= & ?'c'
\
w_asm_not !=
#define M 1
 __LINE__alpha_beta_gamma_delta
\
w^= 
 z intL
 y   >>>
   a\
b[<<=a\
b
}] defined & x'c''c'(
/* start */ x  
/* start */ xL"ws" int
\
w? -- +\
=--defined __LINE__% LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1->"s":: [><<<=>-\
> // line
<LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 int< Lname~M defined < %M~&defined
 y<{ int+= 
    	 0x1F alpha_beta_gamma_delta!= 
   )int-\
> +=~ ::}? ] -- "s"|
 yL"ws" 
#define M 1
 ||||
#if 1
q
#endif
 ~/* c */>>	
 y ==

/* start */ x ||| ]~ 
#if 1
q
#endif
% a\
b__LINE__ L'w' ;
/* start */ x <<=
 != a\
b} ,> alpha_beta_gamma_deltaL"ws"+= 'c' ::   +\
=LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1
#define M 1
 _asm_not 
/* start */ x *
/* start */ x definedLONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 <<=alpha_beta_gamma_delta--
 z&&-  ~ ] L"ws"  (x ? L"ws"+= !=
#if 1
q
#endif
 'c'{ 	 
#define M 1
? defined? || -&&_asm_not !=?   * defined)
/* start */ x 'c' ?-\
>!= ]!=|alpha_beta_gamma_delta-\
> }>L"ws" > L"ws" L'w'
#if 1
q
#endif
? 
 y}
 z-M- ;,// line
LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 'c' -- a\
b // line
 { --? 	 ; & %}( ; <<="s"&&->LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 ||>> /* c */   defined |L} ?
 y <<=
*
>
#if 1
q
#endif
L+\
=
 y L'w' 
\
w<<=
   a\
b&M && 12  "s" 	alpha_beta_gamma_delta }]  
   L~ _asm_not%->L'w' 
\
w /* c */ ? * --
 y<<=<-|| ]
 z ^=!= |{^= *:: ~ 12  0x1F Lname (==M x a\
b Lname
/* start */ x  ^= -- [
#define M 1
 "s"// line
;   
 z >>| :: Lname <<=+\
= _asm_not!=||
#define M 1
&&&& :: ~ Lname+\
= 
 y:- != ==x<<=>}-- definedalpha_beta_gamma_delta {_asm_not ] Lname :: // line
+\
=_asm_not~ 
#define M 1
/* c */
/* start */ x
 L"ws"xLONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1> 
#if 1
q
#endif

/* start */ x&& < int] 
#if 1
q
#endif
 __LINE__ 'c'/* c */ <<=int 'c' 
    'c' -\
> &&:: <'c'
\
w  +\
= 
/* start */ x 
\
w L"ws" { LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1
 y :&& /* c */::L 
#define M 1
LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1L &&( && 	 % +\
= ->
   ::L"ws" __LINE__
/* start */ x[:: // line

\
wL"ws")%L"ws" 'c'M   ?  0x1F // line
 *+= L'w' ||L"ws" 
}; 
 y L'w' --
/* start */ xLONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1// line
 <<=|~ --* ] 	 <<=*
#define M 1
 +\
= %
#if 1
q
#endif
]+= defined { +\
= -: &Lname: [ 
 /* c */-\
>L"ws" <<=,-\
>x } | /* c */==,)-> { += 
/* start */ x <<=)  ->
   &
 z} >>
 	==L%   
/* start */ x   & ,a\
b a\
b -\
> 'c'[ - 
\
w__LINE__ M+\
=
 0x1F  % ;defined ?;< <<=

   -\
>/* c */ <<= ->/* c */ < != ~M
 != /* c */*
 %
#if 1
q
#endif
 - 
 0x1F & <<= ^=L"ws" ^=} L'w' Lname == >>
#if 1
q
#endif
 
 y _asm_notL a\
b ;// line
Lname{==|LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 ( --
x
\
wL 
 y -<<=
/* start */ x M 
 z
 0x1F L ~ +=% xM 0x1F [ x ||!= ] /* c */	int--
/* start */ x ;--
   &&+\
= &&; 
/* start */ x
 z 
 y __LINE__~'c'
#if 1
q
#endif
    
 z
 y 
#if 1
q
#endif
[ 12  12 }&& ^=&&LL"ws" L'w' 
   -- x&&
#define M 1
 ;;>>^=    
/* start */ xLONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1& // line
 <<=^= | -\
>_asm_not!= _asm_not+= > - "s" 
 y 
   
#if 1
q
#endif
<<= ->| L"ws" { int /* c */-\
>  12 ~ > 'c'LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 *__LINE__ 
 z<<=^= >| -\
>alpha_beta_gamma_delta* x--
#if 1
q
#endif
 0x1F 
#define M 1
 
#if 1
q
#endif
'c' --LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 < ,L"ws" [
#if 1
q
#endif
defined<<=;alpha_beta_gamma_delta 0x1F } += <^= 	<
 
#define M 1
a\
b-- ><<=:,"s"<<=L:defined L"ws"
   == 
 y L == != "s"Lname> L'w'"s"- :: /* c */+\
=-> * !=
    &--int!=LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1"s"'c': x
 y^=__LINE__== ::L
#if 1
q
#endif
'c'   L -\
> L
% 0x1F ? [ ) }
#if 1
q
#endif
> [^= +=Mx
 > 12  
\
w
/* start */ xL'w' "s"  0x1F // line
--"s"
 y  -\
>  -\
> /* c */ += defined
 y	 "s"L"ws" } 0x1F :% LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1Lname 
%<<=?| ~ >> ) && -> == 'c' alpha_beta_gamma_deltadefined_asm_not !={ [-- _asm_not< int L-\
>x -\
>!=M
\
w,	  L'w'[M != [
#if 1
q
#endif
a\
bint 'c'==%!= && <'c'&& += "s"<<= >><<=--defined%    a\
b;
alpha_beta_gamma_delta += !=; 'c'L"ws"int,  
 zLname>> int-- +\
=<
/* start */ x 
 // line
     :: &x { ? ,L'w' - && a\
b->
#define M 1
int L"ws"^= x   a\
b< __LINE__
   
/* start */ x? &
 z 
 z
#define M 1
alpha_beta_gamma_deltaL'w' Ldefined %+\
=%+\
= 
\
w 	_asm_not!=+= // line

 < [ L"ws"x::   +\
=
\
w defined;L"ws"
#if 1
q
#endif
-x-- <<= +\
=(L*) *"s" __LINE__ ~ L"ws" :Lname   -  != == 
 y ^=}, 
/* start */ x{"s"alpha_beta_gamma_delta 
\
w )+=,
#if 1
q
#endif
defined &->+=~+\
= >> 0x1F - -- > +\
=
 
 defined [ )^= ->L"ws"==!=&^= 0x1F  && 
#define M 1
 !=:( 
 y _asm_not-> __LINE__%
 -    ]+= _asm_notdefined"s" x 
 z * 
 y ?^=int && }M -> defined% 
\
w L"ws"%>>
 zL'w'+\
=LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 alpha_beta_gamma_delta(M/* c */ 
/* start */ x__LINE__ *  12 <<=/* c */|!= // line
 
   <<=LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 L'w'%-\
><<=!=^= 12  ( L-> 0x1F  'c'L"ws"  0x1F  0x1F  __LINE__  ] 

 y ^=
 y ||
-\
>% defined+\
=^=L'w' 0x1F  -\
>xdefined&& 
 z|
#if 1
q
#endif
 
\
w
 z } // line
 :: a\
b_asm_not 12 ->[ 
#define M 1
- ^=[
/* start */ x-\
>M
\
w) L L"ws" , 
#if 1
q
#endif
:: alpha_beta_gamma_delta LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1] :    defined }+= >>'c'==// line
]-
#define M 1
;+\
=& Lname >-\
>,// line
 <<=  
   	 ~) |!=[ < :: "s")-> "s" ^= 
:: Lname __LINE__ ^=|+=+\
=_asm_notM
#if 1
q
#endif
'c'a\
b 
} ,] : 
\
w~]'c'& MM
\
w 'c'Lname 
#if 1
q
#endif
> 12 Lname:-\
><<= ||
 yM::L"ws" &&::<LnameLONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 ,| ---+= |// line
 int )"s"
/* start */ x< +=  
/* start */ x--L"ws">> 
 z%--
 
\
w// line
 || }( +\
=?
-\
> %* 0x1F  == 12  
 L"ws"::// line
--LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1, :: // line

 
a\
bL"ws" 'c'^=& || && &M'c'
 z'c'L_asm_not-- a\
b x<<=-->>L-\
> M(  12 
>>	-\
> M
 y__LINE__[:: { ;:Lname
::M Lname{% "s" ,L
\
w Lname&'c' __LINE__   __LINE__;< a\
bint 
/* start */ x ||
 
/* start */ x^=|Lname ^=*"s"&&/* c */ __LINE__   ; %) Lname
\
w >>LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1+\
= % 
\
w>>{ 
\
w&L'w' ::	 
   &&defined, ->]?Lname  12  <); +\
=~>; a\
bLname _asm_not ;^= ? ,{"s""s" a\
b L"ws"~| 
/* start */ xM __LINE__<<= ; 
-> ) 
   
   ?  alpha_beta_gamma_delta 
    ^= *
/* start */ x
    >> 
 ] alpha_beta_gamma_delta 
\
wa\
b &&<->||-> ]
:: !=-- L"ws" a\
b 	 a\
b 
    
/* start */ x/* c */)
#define M 1
 -\
>(defined &&]== L ?L"ws" -Lname x
'c' }
/* start */ x==  
+\
=  -- 
   
/* start */ x 0x1F  ::
 zLname
 y ]'c'
  0x1F 
 [& 
 yintLname
 >>+\
= 
 y>>int  
/* start */ x 
/* start */ x
 LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1; L--_asm_not;// line
 ||	
    ::^=-\
> ] -
    
    -> Lname >> *+=: +=--// line
 'c'

#if 1
q
#endif
  12  [   ? &+\
=: /* c */|
   :>~ a\
b ;
/* start */ x--*   != 
#define M 1
:: _asm_not__LINE__ +\
=// line
 "s" L"ws"M
 z LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 !=L
#define M 1
"s"	
 [int+\
=
#if 1
q
#endif
?:::?  12  _asm_not :: ;)) a\
b 0x1F /* c */; ?~~ |
 z }// line
 [L"ws"?a\
b: 
    ~ LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1[  
 z% L"ws"  0x1F 
 ] 	&? ] /* c */ int 
#define M 1
==( (
+= == M L *-
int^= : 
/* start */ xint 

 ( [ +===)L'w' LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1:: >< 
 y  
\
w 0x1F >> :  +\
=]L ||L// line
%
#if 1
q
#endif
 0x1F 	 L'w'|--  a\
b LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1  ?
,;== ]	 ^= // line
{a\
ba\
b+\
= -\
> 
\
w 'c' 
   x - definedLnamealpha_beta_gamma_delta defined&&
-> 
/* start */ x alpha_beta_gamma_delta 
#define M 1
/* c */ -- [Mdefined
 * && <<='c' -
#define M 1
LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 
    0x1F 'c' :: :: ,  [/* c */xint    
 y x[ML
 y ]>> ] ,__LINE__ ||[* // line
   "s"
 
 ?<<=( & /* c */
#if 1
q
#endif
  
 za\
b [ -> L&&-- 
#define M 1
 LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1L'w'->  ] 
#define M 1
 < 	 "s":"s"] alpha_beta_gamma_delta%|| a\
b	 <<= [+=alpha_beta_gamma_delta intdefined
\
wdefined <<<=-\
>
#if 1
q
#endif
~L'w' ?'c'   )<&& ,+= 
 y 	 <<=L +\
=
#define M 1
defined  __LINE__     > int ?  12 
 z L// line
 _asm_not += ~  +\
= __LINE__'c' % - --{ a\
b

\
w
 & 12 ( ,  0x1F "s"
   != a\
b L'w' ~<<=, --?x 
#define M 1
 ;a\
b _asm_not'c'!="s"L 
#define M 1
||&&__LINE__ // line
+\
= ;-- 12 
/* start */ x 12  &&  ?& &__LINE__ 
#if 1
q
#endif
LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 "s"// line
: 
/* start */ x --defined    ,
/* start */ x[~  [ 12 L'w' <
M] ^=]::-- a\
b &&  >>defined==	-\
>__LINE__
/* start */ x

#define M 1
 
 y ( 
#if 1
q
#endif
  [ // line
 
/* start */ x : defined& 
!= 12 // line
> L"ws"::) 'c' && 'c'
#define M 1
] - 
/* start */ x? a\
b ,  0x1F  L|
    ^=int %+=a\
b alpha_beta_gamma_delta% 
#if 1
q
#endif
<<=
   ]   L'w' &  0x1F 
#define M 1
 int/* c */   L; ( >>* 12 L"ws" 
 alpha_beta_gamma_delta} > 
    ?-
  12 	+= 
#define M 1
 >>L'w' alpha_beta_gamma_delta&&>>Lname } 

&&"s"!= ?L && || |-&->:: ?|
Lname^=] defined ==int definedL'w' 
:    
: )/* c */ ? < ;x L }
#if 1
q
#endif
;/* c */ <<=>> !=; 
\
w
 y 
/* start */ x- 
/* start */ x<~x    == :|<alpha_beta_gamma_delta^= 
    
 z [)( L'w' +\
=[ // line
!=
#if 1
q
#endif
 %L'w') -, |
#define M 1
 -> a\
b<<= %L"ws" 
 zL"ws" +=&,
#if 1
q
#endif
% __LINE__alpha_beta_gamma_delta--&!=+=intL'w'_asm_not-- int  
    /* c */!= }
#define M 1
 -,
 LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1-- _asm_not&]^=x;}
     12 defined: % L"ws"+=,__LINE__+\
= 'c' ;  defineddefined & 
 <__LINE__int &+=
    { alpha_beta_gamma_delta <<=   ~ ) * < |-\
> ; ? L &_asm_notdefined int
 ||_asm_not ; L [
#if 1
q
#endif
 ,!===
#define M 1
 | -\
>^= <<= ) == 
::==[&& 
#if 1
q
#endif
+\
=>__LINE__ 
    alpha_beta_gamma_delta  :: -<<= 12 | >>
*& x -> }
#if 1
q
#endif
 +\
=<<= _asm_not/* c */>>&& ^= :_asm_not __LINE__ 
\
w 
#define M 1
 --;==a\
b  12 < 
 z"s"]+\
=
    :// line
) -  int

'c'L'w'{a\
b 'c' (alpha_beta_gamma_delta) x(^=LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 | <LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 :  :: ==+=  0x1F  }* < >]; /* c */-int:: M(  alpha_beta_gamma_delta alpha_beta_gamma_delta ?int ^= 
==&&:_asm_not 'c'L"ws">>	{ : 'c'_asm_not"s"Lname
   
 zLONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1-\
>__LINE__ 
#define M 1
<!=|+=<<=L"ws"a\
b*<<=&& LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1// line
 alpha_beta_gamma_deltaL"ws"int-- 'c' : [ ;}%~    
   ~
( L"ws" alpha_beta_gamma_delta < 
 z L'w'
Lname ; } ( 
 z
#if 1
q
#endif
*[ |/* c */> ;<L: (~ 
/* start */ x &&& Lname }==~  ):+\
=
   
 z-\
>){[+\
='c'// line

   // line
/* c */~ // line
 &alpha_beta_gamma_delta %>a\
b // line
<<=*'c' // line
 ? x^= 0x1F  , 
\
w%%_asm_not)// line
 'c' __LINE__  0x1F ] _asm_notint 
&  
/* start */ x)< - -[ 0x1F  )+\
= ->L'w' __LINE__ 
#define M 1

\
w( Lname int||,^= }:Lname { >>%->
 y 
defined 
\
w  0x1F alpha_beta_gamma_delta <<=!= __LINE__{__LINE__&&|| { a\
b(::} xint{ ( 
 y {__LINE__ %|| != ~   ,
 <: < 0x1F >>	:  ; 0x1F L  M ==xM[ 
#if 1
q
#endif
'c' L"ws" :: != *x/* c */ ~]
/* start */ x
\
wLname[ (Lname _asm_not ]- 12  
/* start */ x L'w'LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1[L: M:
#if 1
q
#endif
"s"	 
\
w 'c'-- LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 +\
= ||!=!=>alpha_beta_gamma_delta ^="s" { __LINE__ }"s" __LINE__ -\
>~ 12  _asm_not"s"_asm_not}
/* start */ x  ];) 	 0x1F ><<= (*   ( <<=// line
x , {
 z_asm_nota\
b ~a\
b->
#define M 1

 a\
b 	 
#if 1
q
#endif
alpha_beta_gamma_delta+=}<* <<=L"ws" ^= }"s" 
>  a\
b^=?L'w'
 ]__LINE__ /* c */ || :: 
#if 1
q
#endif
  12  
    > intL --&& 
 /* c */&<<=: | 'c' LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 == _asm_not { +\
= int == a\
b
 yL"ws" | L   
 y?Mx* &&x<<=} // line
~]x  a\
b 
LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1
#define M 1
, 
 z
    'c' <-- 
\
w__LINE__ ^= 0x1F  
,
  M /* c */ !=
#define M 1
// line
 [, /* c */ -\
>--]a\
b !=<M>-	] 
\
w 0x1F ] ==(-\
> x|| ;
   
/* start */ x ~] __LINE__ ^= >:: L alpha_beta_gamma_delta | }+= { || }"s"/* c */- && L"ws";
#define M 1
 
}L'w' <x  || ,L"ws"| Lname <<= ||  12 __LINE___asm_notL"ws" // line
 >> 'c' -\
>defined__LINE__<<=  <L'w'-\
> 
#if 1
q
#endif
&&// line
 +=-- 
"s"_asm_not^=L"ws" ) ^=,"s"__LINE__ * >
#if 1
q
#endif

defined-> L{^= 
/* start */ x )a\
b "s" ) ::{ a\
b 	 
 
 Lname(LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 L!=::: 0x1F  
 z |
/* start */ x 
#if 1
q
#endif
 ?*<  
 ydefined__LINE__)( [||&& ] +\
=/* c */ ^=)>%L"ws"+\
= ( L"ws"&&x? ^= // line
} /* c */LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1<
/* start */ x_asm_not{ 0x1F *LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1? <LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1[-- += )"s"+\
={ 
:>>  0x1F  <*|
\
w a\
b  // line
== L'w'
 'c' * M+\
=// line
<}<<=
#define M 1
  0x1F *_asm_not -- ?&& 
   ( 
\
w||L 0x1F L"ws"+= || 
 -\
>  12  ] , <<= -- ->:: +=LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1alpha_beta_gamma_delta ^= 	 , :: -\
> += {*%--
 -> __LINE__~ 
#if 1
q
#endif
 ->M==x+= -> 12  +=};{*~ ::::
/* start */ x,int 
/* start */ x += Lname 
#if 1
q
#endif
 ; 'c'/* c */"s"
 y
L==  += [
/* start */ x    | 	 // line
defined:  >]( +\
=-\
> != ~ 
#define M 1

/* start */ x -> 
Lname::Lname
 ,
 ~_asm_not 
\
w 
 y /* c */ ,*, 0x1F | L< alpha_beta_gamma_delta{intMalpha_beta_gamma_delta,  M Lname :: 'c' % (
#define M 1
-| alpha_beta_gamma_delta ? 
#if 1
q
#endif
; , L"ws"~ ),->;  'c'<{>>
// line
x ==
#define M 1
intx<Lname% +=   /* c */ "s" -- xa\
b; int__LINE__ 

   
   __LINE__M | && <<=->[(?L"ws"? < L L"ws"*==
 y ,<<=
 y  == M "s" 0x1F // line
 LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1x-\
> %|| 
/* start */ x[ "s";
/* start */ xL'w' ?-->
 y| 'c' 
--int < += __LINE__// line
&&>> L"ws"[ -
\
w) * &&&a\
b -- )	|
 y != 
   "s" && alpha_beta_gamma_deltaM ,
\
w>> defined
// line
 }^= "s" ,"s" ::+=  0x1F   0x1F 
\
w> "s"::[ ~
 z 
 z>> ~"s" 'c' ,
#define M 1
L'w'
\
w+=L'w' ^= |LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1->defined<<=;)// line
 *definedL"ws"

    ^=_asm_not-\
> ,>>? ||
#if 1
q
#endif
 -\
>
#define M 1
 %* 
 !=L'w' alpha_beta_gamma_deltadefined && 
/* start */ xL'w'
* &&<
/* start */ x
 !=-\
>
 z} 
\
w /* c *//* c */[ &Lname _asm_not 
 __LINE__== 
/* start */ x^=
)]x ;int)LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 M a\
b==
 y "s" /* c */L L"ws"
 : != "s" 'c'L &? <<=a\
b L"ws"?{ a\
b M>> 
defined 0x1F 
\
w/* c */ ;) % &&Lname +\
= -> 
/* start */ x 0x1F  ,L'w' ]
 
#define M 1
// line
 --+=)
#if 1
q
#endif
:> 'c' ;?L'c'{ L"ws"+= 
? <<= <<=L'w' 
~	  12   12  < +=>    
 'c' alpha_beta_gamma_delta+= 12 >>-\
> 
    >[ L'w'	 L'w'  12 __LINE__ -> L"ws"-- & &&
 y
'c'
/* start */ x, ]
 z LnameLONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 ^=   LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 L"ws" ] | alpha_beta_gamma_delta /* c */== - +\
="s" { - & ] 
#if 1
q
#endif
 x]< Lname != &&%- ; 
   	% ->( __LINE__ ==>>]
#define M 1
-^=?   12  >> /* c */
 y }(
 z }>>
 z ;<<= * - _asm_not-- >>alpha_beta_gamma_delta 	    -\
>// line
 L'w'-+\
=int 
   // line
 LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 ] alpha_beta_gamma_delta % Lname ?{x 12 a\
b  ->>> // line
[ 12 // line
  *!=+=) &x;
#define M 1
 a\
b__LINE__ 'c'
#if 1
q
#endif
 < : ] | L'w' : 	 ~] 'c' , L"ws"
 y ?+= &alpha_beta_gamma_delta alpha_beta_gamma_delta&&(x 
   _asm_not-\
>> ,   &&
/* start */ x L"ws":[ ==
  &&}>>/* c */ [^= ?, /* c */ -- L"ws"
#if 1
q
#endif
&& L'w'~
L"ws" ^=
; }alpha_beta_gamma_delta ;; 
 z{ 
#define M 1
'c'!=
   , ^=// line
:a\
b 12 ~} 0x1F  & 
#if 1
q
#endif
 < { 
#define M 1
:: 
\
wint () 
#if 1
q
#endif
{
/* start */ x-\
>LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 *!= 'c' != LnameLname+\
= int'c' *
/* start */ x__LINE__
\
w && 	 
#if 1
q
#endif
 : 
#define M 1
'c'||a\
b 'c'] % __LINE__ L'w'* ]>>]    <<=%
 y< &// line
  -\
>!=__LINE__  
/* start */ x int 	  a\
b
#if 1
q
#endif
&&+=Lname==-\
>< 	 M 
#define M 1
& "s"--
 int--alpha_beta_gamma_delta defined ;
   L
 a\
b_asm_not[
\
w

\
w & > 0x1F <LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1Lname L"ws")&& 
|| L'c' :: 
__LINE__-- int
 y__LINE__ & +\
=
\
wa\
bLname    | { :;~ ==>~>{ & *<<=L"ws"   alpha_beta_gamma_delta,[_asm_notLONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 +\
=
#define M 1
 
#if 1
q
#endif
-- 12 
/* start */ x  0x1F ( [ :: 
    != /* c */ 
_asm_not L'w'+= ||- !=alpha_beta_gamma_delta %%;alpha_beta_gamma_delta -  'c'==
/* start */ x 
   x ? +\
= >%|-\
> %L"ws"==&&~[ <<=% L& ] :L'w' a\
ba\
b int"s"definedLdefined
LnameLONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 --// line
>> - | 'c'	 :+= L'w'a\
b:
 z>  0x1F  ?
#define M 1
 ] & "s"_asm_not ~
 ,[
#if 1
q
#endif
< 
#if 1
q
#endif
 ==
    M %defined 12 -\
> _asm_not   } }Lname"s") { // line
< defined>>	 L"ws"- ^=-\
> [ /* c */ {+\
=
#define M 1
/* c */:: ::
 y_asm_not<%LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1; 'c'{ /* c */
 y"s" == +\
=]--; &__LINE__
 z(,"s" ;intLONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1) 	 /* c */<);-> 
 <<= == alpha_beta_gamma_delta /* c */<<= int_asm_not/* c */ int;LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1-% ?]L ~ [a\
b alpha_beta_gamma_delta
 
\
w
 
\
w  0x1F  +=: {   +\
=}__LINE__ Lname+=LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 ; ? += || alpha_beta_gamma_delta :L"ws" != _asm_not) ) 
#if 1
q
#endif
 !=L ==!= ^= L +=Lname
 z M   <<=< 'c'~   L"ws");	defined!= ;| 
{ +\
=&> 
     12 x // line
 &&
]== // line
int==// line
 -\
>LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1alpha_beta_gamma_deltaint -\
>> } ;|| M== :: <<=+\
=  alpha_beta_gamma_delta; | !=L 
#define M 1
 __LINE__/* c */;
   defined __LINE__?__LINE__-\
>< &&;
 z ->
 y
 _asm_not L'w' { 
 zdefined ==  *
 __LINE__)]	: "s"?>>
 zL'w'
   "s"->M<<=
 z __LINE__   < intalpha_beta_gamma_delta & || Lname> -\
>M> +\
= )* -/* c */ "s"'c' *L'w'L"ws" [*+=; /* c */( )a\
b>
#if 1
q
#endif
 
// line
 0x1F  
/* start */ x [
/* start */ xx & 
\
w-L'w'>!= LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 ,*
   > 12  ||
#define M 1
// line
-\
><<=x__LINE__<<= L"ws"!= || int _asm_not   ] /* c */ %// line
:: &+\
= ->alpha_beta_gamma_delta * 
 z&&-- :alpha_beta_gamma_delta LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1alpha_beta_gamma_deltaLONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 a\
bL"ws" &// line
 defined ?==>> , +=     :::^=)+= _asm_not 
/* start */ x* defined== 
/* start */ x&-\
>alpha_beta_gamma_delta ::L'w'{ % ^=defined* && ~||alpha_beta_gamma_delta ~:==a\
b;]defined!= 
 z defined ;M -] defined )>> _asm_not 
#define M 1
/* c */L'w' : !=
#if 1
q
#endif
  || L'w'_asm_not    != L"ws"<  M 
 
 y(L"ws" int[L'w'-\
>; ;^= alpha_beta_gamma_deltaL"ws"::^='c'~+\
=  12 
L'w' +\
=]"s"   ?M ; _asm_not ==L{ --]
   __LINE__   	 L'w'L 
    ~L'w' *+\
= 
!= (;a\
b// line
L'w'| Lnamedefined  {] 
#if 1
q
#endif
 (Lname -> +\
=
#if 1
q
#endif
LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 --x%
> 
 
 y:M [L 
\
w  	alpha_beta_gamma_delta,  'c'- ==
#define M 1
 !=->% alpha_beta_gamma_delta]|  ^= ;
 y , &-: L'w' -\
> &&L"ws"- --
    ;==-> "s":: MLname defined &&
 *x) // line
 LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1) 'c'[
 z^=int 12  alpha_beta_gamma_delta
    int|
\
w ?-\
>"s">>-> defined

#define M 1
| 
    	~ __LINE__
 y { L
 y== , ~ defined    <<= ->/* c */ // line

/* start */ x
 y/* c */ || (, Lname

\
wL"ws"-\
> +\
= ||int *_asm_not^=-\
> 
#define M 1
^=/* c */>:: x	 	 L'w'  ---> 0x1F 
#if 1
q
#endif
&& %<^= - -\
> _asm_not^=
#if 1
q
#endif
 
\
w{-
/* start */ x
#if 1
q
#endif
%{Lname }
\
w& ?({ int-a\
b
 y 	  0x1F ^=
#define M 1
 ^= 'c'(- ,
// line
<+=
 y xalpha_beta_gamma_delta  12   12  ] 
\
w[ _asm_not&& -\
> == 
#define M 1
 ::intalpha_beta_gamma_deltadefined 
   ]::::
\
w// line
 )L 'c' 
 /* c */^= a\
balpha_beta_gamma_delta  L"ws" +=
 ^=)  0x1F M ~  ^= L"ws" a\
b 
\
w~
#define M 1
||L ~&& /* c */[ * 0x1F L
int [ 	 ?__LINE__ } -L"s"_asm_not /* c */ a\
b   --:defined<Lname-> Lname {+\
= :: L"ws" )
\
w L x :   +=>>- %  ]
\
w ->int{[	-x( ] 
? == "s" 
 - +\
=) {~- ~ a\
b
 z>^= ( 'c'__LINE__-\
><<=Lname) a\
bM{ ) 	__LINE__- 
#if 1
q
#endif
  12 "s"
/* start */ x ( 0x1F 'c'
/* start */ x	alpha_beta_gamma_delta
/* start */ x( > __LINE__{-> 'c' 12 ==] _asm_not__LINE__<
definedLONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1[&&x} 	
 y'c'
   [ alpha_beta_gamma_delta >x
\
w>>
 z!=L"ws" % LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 
 y +=* 12 
 z&&--] 
#if 1
q
#endif
[ ) MintM 
#if 1
q
#endif
> 
 z[& * -- =='c'>+\
=L*  12  -> _asm_not"s" "s" ==,L"ws"int x L"ws"	L"ws"
    <<=
   >~ 
/* c */
 y||int -==&> "s" 
#if 1
q
#endif
 >>
 ^=<<= 'c' 

#if 1
q
#endif
M >> { ->  0x1F | a\
b? L// line
 }// line
 < L'w'  12 // line
:a\
b L"ws" |,->
 z 'c'? [L'w'defined &+\
= "s" | -\
> 
#if 1
q
#endif
[  >> /* c */M% _asm_not_asm_not"s"+\
=+=int 
/* start */ x] 'c'-> 
#define M 1
"s" *::|->
\
w>   +=!= defined
#if 1
q
#endif
defined != -\
>* _asm_notL
\
w 
:| defined M=='c'::defined   12  // line
 L'w';LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1ML-\
> | {^= -defined  L// line
 	- , ) ||
#define M 1
 ;| >> L -\
>  0x1F  )	> // line
 a\
b
   Lname  !=
#if 1
q
#endif
// line
L)>&&// line
  0x1F ~~ ->
    alpha_beta_gamma_delta ,   
/* start */ x _asm_not
 yLname 'c' xL'w' > 

   L"ws" 
 y   
/* start */ x< > ~&& != }a\
b >>
 y defined -- 	 
 z
 z::
    int M || {==
- Lname|| ; ( [ "s"
#if 1
q
#endif
 != ~; != && -\
>; ?] 0x1F  _asm_not M] M;x   'c'
 z+\
= a\
b += &&~  0x1F  ]== L'w' -
#if 1
q
#endif
 <<=(  "s"  ?__LINE__+\
= M =='c' M'c'[Lname & 
/* start */ x 0x1F  
 z 	+\
= 12  --]!= a\
b )LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1
 LL"ws" a\
b-LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 ,( 
#define M 1
-- 

 a\
b) /* c */int   
#if 1
q
#endif
int|: , defined"s",:: ( 	*; x& {[ 12 x'c'
   &M+\
=
#if 1
q
#endif

/* start */ xa\
b->Lalpha_beta_gamma_delta[-> <<=x_asm_not
"s"-
/* start */ x>:; Ma\
b  ) 
/* start */ x ?<<= 
: 
*
 -\
> /* c */
#if 1
q
#endif
|| a\
b M"s" ^= "s"L'w' +\
= , :: /* c */  0x1F   L'w':: ? ; ::defined LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1-\
>L }--&& | <<=
/* start */ x a\
b ==]
 z ]]  12 < ]
 Lname %a\
b Lnamedefined += { ->- (* *"s"> // line
 
 z 
    >'c'	- --	 x __LINE__(== , } // line
 == {{?( inta\
b +=intLONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1x 
\
w %<<= ; ,: L'w' <
#if 1
q
#endif
 M& += a\
bL'w' -\
> -\
> != <
{ ; 12 ]::==]L_asm_not:: *<   /* c */:L _asm_not 12 ~<<= M&&{ +\
= 
 defined->
 z& x 
    --/* c */ :: 'c'^= }L"ws"[:~ ^= ?& <
/* start */ x"s"
#define M 1
>, "s" L'w' ) a\
b | 
#define M 1
 ||Lnamedefined'c'L'w' &	x "s", >>-\
>&&	~>
#if 1
q
#endif
 <<=+= LLname~ 
\
w== defined Lname ( ->-\
> %  0x1F _asm_not defined 
\
w
 z 
#if 1
q
#endif
==
#define M 1
) L ;M/* c */// line
 ~
 
#define M 1
 M ? >// line
 
 'c')M
 y/* c */)== ~)
#if 1
q
#endif

 z L
  
#if 1
q
#endif
 L"ws";
/* start */ x alpha_beta_gamma_delta& defined+= ^=
 z-
   && ~ Lname--'c'- &||alpha_beta_gamma_deltaL
 z _asm_not <<=[L - 
 z  0x1F < 
#if 1
q
#endif
  12  < :   } L _asm_not/* c */x - M-  	->-\
>==LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 
 z % ;&&
 y,  -\
>-\
>== })[    <<=defined // line
~ 
   	 defined&&%L"ws"_asm_not <<= >> ->L"ws"L<::
   alpha_beta_gamma_delta|| % :?
 L'w' 	-\
>alpha_beta_gamma_delta // line
__LINE__~"s" {<   ==| 
#if 1
q
#endif
}}
#if 1
q
#endif
 
 __LINE__
#define M 1
 & ->+\
= <<=
\
w 
#define M 1
LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1, |& 
 
\
w-\
>}--int 
#if 1
q
#endif
 12 >> int--// line

   [L'w'L"ws" < MM%a\
b->   &&<: 	 += 
#if 1
q
#endif
&&|-\
>M

 ydefined ->]: M Lnamedefined-> %L'w' >L  alpha_beta_gamma_delta
\
wL ?	^= int( }-<<= /* c */ != 
   >> ?L'w'
#if 1
q
#endif
+\
= 
/* start */ x->- >>* -\
>]M L * ? 
#if 1
q
#endif
L'w'M; 'c':: +\
= ~ 
 y 
/* start */ x} 
[ Lname; L'w'::>>, 
\
w&
#define M 1
;
/* start */ x [ // line
 ==)<<=
#define M 1
 ( >>	  12  
\
w- ^=^=  0x1F  <x LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1!=!=x-\
>
 -\
>alpha_beta_gamma_delta "s"M // line
 
 
 z 
 y -- 	 
 
  12 'c'  12 	 ;
#define M 1
 12  x ]/* c */ && 
   &a\
b ->Lname -;	 "s" "s"// line
 == 	(% 0x1F , M
/* start */ x// line
) ->L'w' 
&&-- : |/* c */-
 % >>+\
= <<=
L'w'   'c'>> -\
>_asm_not 'c'__LINE__]+\
= -- 
 z
 z-__LINE__% 0x1F 
#define M 1
 defined 
 y , 
#define M 1
 /* c */ Lname- ?alpha_beta_gamma_delta[[>> {>La\
b ==|}	--- +=;^= // line
--\
><<=*   
\
w
\
w: /* c */ 
 y^=+=+\
=
 z 
 z ) 
defined definedLname :: 
/* start */ x+\
=== >::  	<
L'w'LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1^= %&& ?==  M ]
#define M 1
 --+\
=|| ) LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 ,+=-> a\
b alpha_beta_gamma_delta M==--: > >> 0x1F  ^=[intLname -> -defined 
 yLname != /* c */int 
-<<=-a\
b    __LINE__-a\
b ]  12  -> ::_asm_not a\
b ) ->* 
    -\
>== MLname
#define M 1
+\
= <<=L"ws"^= Lname :<<=
 ; &&defined 
]Lname+\
=
/* start */ x!=*% L"ws" -- 
   -;~ %_asm_not& _asm_not: }/* c */
/* start */ x 
\
w alpha_beta_gamma_delta ] , "s"|+= != 0x1F  a\
b ; int {
    0x1F  ~ > // line
 -><<=
    += [)|| 
 < int > 
 z
#if 1
q
#endif

#if 1
q
#endif
alpha_beta_gamma_delta
 y%>>
\
w "s"||
#define M 1
]  LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1_asm_not ?L'w'|| , LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1int 
   __LINE__* ::L'w' ? >:!=!= __LINE__L"ws" 12  "s" 0x1F 'c' 12 ->"s">>  0x1F LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 --)_asm_not
   'c'% 
 z% // line
!=xLnamedefined% }->-\
>
#define M 1
Lname	^= _asm_not 
   ,
#define M 1
 |
 y ]int "s" |	Lnamedefined?<int||>> ( int &&( <<=,, +\
=
 y 12 ) 
   M 
 _asm_notalpha_beta_gamma_delta (xalpha_beta_gamma_deltaLONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1--// line
||  12  -LnameLONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 M{[L'w'->+=
 z
#define M 1
 +\
=defined&&: ->]
    != )]  0x1F 
/* start */ x& 0x1F  ~     
 y
 z-LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1||  0x1F !=>*   LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1defined^= <<= < 
 y 
 z{ +\
= ::/* c */M --
#if 1
q
#endif
-- 	 ( -\
> LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1; 12 ( 
 y ) _asm_not /* c */ defined ;| == > L'w' "s"
#define M 1
+= +=&& defined ^=?intL"ws"== **  0x1F  && %
    ==// line
--
/* start */ x <<= )-- ::*L"ws" -< _asm_not L'w' 
 y-\
> M ) : ;alpha_beta_gamma_delta 'c'< 0x1F  12  > |
 L'w' alpha_beta_gamma_delta<<=defined
#if 1
q
#endif
  <<= Lname {;'c' Lname ~== 
\
w
%&    L: == % 
/* start */ x/* c */ 0x1F L'w' L'w' +\
=defined
x 
#define M 1
 LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 
 z x 12 
\
w 
#if 1
q
#endif
// line
-> 12   
/* start */ x_asm_notL"ws"  L int |~]LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1
/* start */ x :
 <<=  0x1F |defined :: LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 L"ws" ~, (}-Lname -; ==, int
#if 1
q
#endif
+=|'c' * /* c */ 0x1F __LINE__ 
   :Malpha_beta_gamma_delta ||== /* c */ ->Lname alpha_beta_gamma_delta-!= _asm_not :  
    ?|| "s"

#if 1
q
#endif
 
#define M 1
 |   a\
b
?Lname &&{{ 
\
w , ->   
 z ~x 
 int]LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1?
_asm_not^= ; {

 z , 	; > 
#if 1
q
#endif
 ||
#define M 1

/* start */ x  += [ 
 ||  ^=ML 	[  12 ||int 
 zint~>> /* c */
 z+=int<<=alpha_beta_gamma_delta
'c'L'w'L- 12  , : 
 z:: 
/* start */ x
 % M 0x1F  _asm_not +\
= --,   alpha_beta_gamma_delta__LINE__]]	::, ) a\
b 
 y( x<<=  0x1F 
 y
\
w   :: "s"==: 
/* start */ x__LINE__% * &LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1}-> )&&__LINE__int alpha_beta_gamma_delta{-- ,
    ~ ~[)
#if 1
q
#endif

#define M 1
  	,}Lname ::&&int -\
>!= <
   %*
 {L"ws"a\
b| ~-- +=^= 
 z__LINE__ int--{ defined 
/* start */ xdefined+= Ma\
b_asm_not( &
\
w[}-\
> -\
>
 ,int-> 
/* start */ x 
 y ) Lname|%   12 == 'c'<^=alpha_beta_gamma_delta 
   ?^=-- :/* c */|"s"%<<= <>>M 
 ||
#if 1
q
#endif
%// line
}-> {|| &&'c', 
#define M 1
~ [ _asm_not/* c */~%|&&LnameL _asm_not
#define M 1
} 
 z M-\
> 
 12  defined  
\
w 'c' ==->==+\
=L'w'// line
]>>x 0x1F  -> _asm_not int >>^= 
#define M 1

#if 1
q
#endif
 ||:::: a\
b 0x1F LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1_asm_not
   (
#define M 1
 0x1F  >>
 y -> ==&&&) -- ;~
#if 1
q
#endif
 LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 -- [ == "s"x"s" "s"?-\
>- 0x1F  // line
 ? : +\
=-"s" 
    /* c */"s"
/* start */ x+= 
\
wint||    :+\
="s"L 'c'"s"+\
=
 % 
|| 
\
w; 	 12  <defined
)- ;
\
w MLONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1
#define M 1
 _asm_not	 -
 z   alpha_beta_gamma_delta+=_asm_not
    
/* start */ x >> a\
b]|| int
? ||< -\
>
 zL'w'&&>>&&+= _asm_not ]== 
/* start */ x-- /* c */ int'c'> L"ws"
+\
= (
#if 1
q
#endif
Lname<<=-\
> -- 
/* start */ x
\
wLname
#if 1
q
#endif
 
 z  0x1F +\
= += _asm_not 12  <&[
#define M 1
 &&^=)  L"ws"
#define M 1
L =='c' ] +=L
/* start */ xL %// line
  &&Lname->? 
      {LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 _asm_not &&?|? ? == <"s"%| *// line
~ ;:: [+\
= > ] %(Lname__LINE__ 12  >>: ] alpha_beta_gamma_delta/* c */ int ? 
 z
/* start */ x  x }
#if 1
q
#endif
|
 0x1F    +\
= _asm_not% ] -int ~int/* c */-\
> 	
&&x  ==
 z'c' int*> += >
 y 0x1F  
 y& {LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 ; 
#if 1
q
#endif
L"ws"<:: <<=Lname ]"s" !=  0x1F  
#if 1
q
#endif
 { 
\
w 
 z -&&<
\
w %  0x1F  != 	 ) 
 ->a\
b ::   L"ws"<<= <<= } == 
 
    ||? xL"ws"
\
w &| == ]"s"!= 
\
w 
~
#define M 1
alpha_beta_gamma_delta
  12  x -- += 
#define M 1
 0x1F  M ;__LINE__,L>>==( ->/* c */LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1::==a\
b, /* c */>> ; L"ws" :
#if 1
q
#endif
==  12  ==+\
=alpha_beta_gamma_delta
   a\
b && !=--
   "s"/* c */  ML'w'>> [ LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1+=::L'w'
#if 1
q
#endif
 ^= 
#define M 1
<// line
 alpha_beta_gamma_delta%   
!= {_asm_not
#if 1
q
#endif

 z x)_asm_notM _asm_not :&&    } ,L'w' }^= - 
 LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1__LINE__/* c */~[ LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1^= "s" 
    alpha_beta_gamma_deltaL'w' --
#define M 1
 >> 
#if 1
q
#endif
 |L ] <<=&L"ws">> 12 
   ||
/* start */ x
 +=alpha_beta_gamma_delta -\
>:
 z-- LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1  
#define M 1
 <<=>'c'// line
defined
 yLONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1'c' 
/* start */ x,( != x M %a\
b alpha_beta_gamma_delta ]  0x1F  ->alpha_beta_gamma_delta// line
alpha_beta_gamma_delta | & defined (int%;::LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1
 ya\
b,)
#if 1
q
#endif
 	::  
 "s" {
#if 1
q
#endif
->
\
w] !=  12  _asm_not   [ ;) [:: 
#define M 1
 int+\
=int -\
>[ 
 za\
b&&
#define M 1
 ||:? -~ -
/* start */ x
 y
/* start */ x^=
 y)x?L /* c */L"ws"--== _asm_not
 z  0x1F 
     {--) LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1
/* start */ x
#define M 1
 ,<<= 
 y> - _asm_not-\
> L"ws" ::{
#if 1
q
#endif
 L ;	__LINE__| 
/* start */ x  12 && :: __LINE__[  12  'c'||:L'w'  12 "s"+\
=, ? [
/* start */ x// line
}% 
\
w+=( a\
b , 
#if 1
q
#endif
 12 
#if 1
q
#endif
 |< } 0x1F   _asm_notL'w'] x]
    
 y [: , * < // line
 
 y
#if 1
q
#endif
 : alpha_beta_gamma_delta && >>{ !=	alpha_beta_gamma_delta"s"
LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1x"s"-L'w'L+=
 +\
=__LINE__ 12  <>>>_asm_not +\
=
== >> __LINE__ : +\
=== 	 /* c */ ||* | ?defined

 'c'}+= ->{	L"ws"  0x1F /* c */ defined'c' ->
\
w, <<=[alpha_beta_gamma_delta __LINE__    || 12 &"s" +\
=
 // line
::-\
>
int] :|| }&, 
    
 L'w' ->-> 'c'&& < LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1{ ( a\
b 
 y"s"&&alpha_beta_gamma_delta-> 	  ( a\
b&&
 y^=<<= M> --__LINE__L'w' 
#define M 1
 -\
>&&M ) 'c''c'
    } L _asm_not&&*x> +\
=L |L'w' 
 &L"ws"// line

    12 ) ->M>> 	a\
b & >> ? 'c' +=&&]-int % 	 /* c */
 y||>// line
 |
/* start */ x!= ?~+=
#if 1
q
#endif

#define M 1
x [ -> } <<=-\
> ::// line
 
 z>> ^= 
#if 1
q
#endif
 )&&LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1
 
 yx :defined 
 y * L &  Lname->
#define M 1
 x &&int ]>> -\
> 'c' ^= 
/* start */ x:: L'w' a\
bdefined| int 
== 12 - *L , == :: 12 }L"ws"
    
#define M 1
 *%// line
a\
b 12 >
\
w 
/* start */ x:
 ^=+= ~ )L'w'[L"ws" <->?;&& int 12  
\
w^=>>x <
LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1M [&& int
#define M 1
  12    LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1LL'w'|< 
 - __LINE__ <<= L"ws", L ~&
 z 
#if 1
q
#endif
alpha_beta_gamma_deltaM ~LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 0x1F  && L'w' 
#define M 1
}L'w'~ ^=
!={-&&<
 z   ~ (&&
#if 1
q
#endif
% |
\
w&?-\
>__LINE__%
/* start */ x -\
>// line
 L'w'<-{ <alpha_beta_gamma_delta~[ != ?&
M   _asm_not'c'__LINE__ >> 
#if 1
q
#endif
 +\
=__LINE__ 	__LINE__M~ L"ws"L"ws" 
 yx+=& LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1--    	 
&&
 z 
 y : /* c */
#if 1
q
#endif
/* c */~*|?~ -> ||alpha_beta_gamma_delta L !=* // line

/* start */ x
#define M 1
+\
=::+\
= -\
> ^= ~*

\
w ( 
#if 1
q
#endif
 ->>>(L'w' }^= ?~ ?)^=<<=L'w' != int~ >int[%L'w'Lname ->// line
!=
#define M 1
 +=:: , != <<=<<=
#define M 1
"s"( 
   ] 	;::) x// line
*  
 y<:( :--
#define M 1
 /* c */  a\
b "s" x ({ && // line


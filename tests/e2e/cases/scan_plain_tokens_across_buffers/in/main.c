#define SHOW(a) a
L"ws"<<=|| +=[ 
~ 
  .5  ]a.*bs.xLnameL== %s.x < < a.*b,  1u  .5  } 1234567890 "s"M :: 'c'defined 12 <<=    defined 
\
w- -  1.5 "s" a\
ba.*b->*- - L'w'< < 12 - - 
/* start */ x (2) +=  12  : 
#if 1
q
#endif
 
#define M 1
&
&+\
=// line
^= ^= ?  ...   12    (2)!= 0; . Lname< <   12L , }-- Lname  .5  ||(2) }^=a\
b
 y 
\
w
/* start */ xL'w' ::>> >= LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1  123456789  > >=int'c'&&>( ] 0  ], ? 
#if 1
q
#endif
 int&,a\
ba\
b-\
> :: { 
 z(2)
 za\
b>>-{) 12L  >>(int 
/* start */ x% 9\
9 + +^=!=  .  ==,[ [ ~L"ws"   +=+\
=+ +(7) 0  ^=LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1;^= 
 y-L"ws" 123456789 ::+= & || 1.5  ->(2)x=1;> >=  0;
 z:>{==<<=
 - - -^=f(1,2)% ==]|| 
\
w - -| 0;   "s" -\
>  1u LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 (7) 0;--?:: * ; !=& &> 1234567890 s.xL"ws" +=;<<= LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1> ] -defined  *L~| ; L'w' 123456789  0x1F & & a\
b< LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 1u  0;
#define M 1
  . 
#if 1
q
#endif
L'w'?  12L  a\
b!=  4e5 <+= // line
- - 9\
9   0x1F  ; 
#define M 1
 -\
> 1u  _asm_notL'w' ; // line
 &{ alpha_beta_gamma_delta &&  ...  LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1  4e5  a.*b^= 9\
9  L"ws"
#if 1
q
#endif
 [30]L 0; 0   123456789  .5 LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1a.*b< <f(1,2) int  12L  :: 
#define M 1
 4e5   1234567890 
\
w M 0 &&->
 y <<=~}  . 
#if 1
q
#endif
<<=< < Lf(1,2)  9\
9  <> >=  .5  
 z *||& &(7) 
/* start */ x- 1u  >>LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 <<=
#define M 1
 } &&  123456789  -\
>  4e5 --?
\
w | 
\
w  %// line
 __LINE__ defined-{ 0x1F  ->  ...  
Lname Lname 12 ^= *"s" /* c */
 4e5  1u >> 	== 12  1u  
 y 12   .   .  
 z f(1,2) }
#if 1
q
#endif

#define M 1

#define M 1
 1u  &&  1.5  ~  .5  LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1	  123456789  * +=s.x!= 123456789 [ : f(1,2)L'w'LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 

 y
\
w  123456789 
#define M 1
 :: ^=< < f(1,2)M L != _asm_not'c' 4e5   12L -- 'c'a.*b >  9\
9   1234567890  M "s":~int .  LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 & &>> - -/* c */ _asm_not     0x1F  0  
#if 1
q
#endif
L'w', ]  0x1F  [30];
\
w- -  9\
9   int%+= 
#define M 1
"s">>__LINE__  . 
/* start */ x - -/* c */
    alpha_beta_gamma_delta >> -} L'w'
 
 y  07 , 
 y 	  4e5 L 
/* start */ x += ->defined __LINE__(2) > >= &  9\
9  12L -> ? 
/* start */ x
!=; 'c'^=L"ws"M  9\
9  { | ->
 zL"ws" 
<<= >>   
#define M 1
 ==[30]~- - 0x1F   .5  <{; ^= a.*b -> :?||_asm_not 
 y?/* c */  0x1F  Lname a.*b <<= )>- -::[30] _asm_not % <  . x	;<<= 
#if 1
q
#endif
->^=&&	- - Lname  .5   -\
>}

 &&-\
>| Lnamef(1,2) [30] 0  a\
b (7) -> 
\
w{ L
 z x=1; [30]|](2)
 y [ (7) +\
= :,  1.5 & & L"ws"  9\
9  4e5  . a.*b 
#define M 1
) [30]
/* start */ x [30]M
 y-> 
 
   + +  12L  "s" 0;  0  . == ->> >=, 
\
w (] a\
b< (2) M  0 
 z >~ _asm_not   &// line
 >  123456789  -\
>
#define M 1
a.*b::  1234567890 /* c */ /* c */-\
> >>)Lname (7)  12L a.*b"s"_asm_not  0x1F 
-\
>!=(2)LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1  .5  :: 1234567890  a.*b == [30]| :
#define M 1
  12L  - - x  1.5  9\
9 
   (7): alpha_beta_gamma_delta  1234567890  ; +=::  1u { {f(1,2)f(1,2)(2) L'w'  4e5  
 zalpha_beta_gamma_delta 

/* start */ x  . ]> _asm_not > >=>*& &(7) 0x1F [  0  >{L"ws"  ~  4e5 - - 1234567890  123456789 int?L'w'<<=( int [30]a\
bint == 12L  ->->-\
>  1234567890 -> } _asm_not  12L   4e5 
 z ||f(1,2) "s" > <Lname/* c */x=1; 12 intint|| Lname[&& 12  alpha_beta_gamma_delta 12 Lname 
\
w > >=; ...   0; | [?-->> 1.5  4e5  ||&&f(1,2) } 
 0   4e5  M  9\
9 x=1;a\
b(7) 
#define M 1
L"ws" 
   <!= f(1,2)~* [30] ^=L"ws"a\
b L"ws">:: + +  %'c'{ :: x 
 0  0x1F %   :
 ...   - -f(1,2)?f(1,2) 
  4e5      4e5  
LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1	+ +;L"ws"::  07  {||M
 y 12L /* c */	M < <  0;-(2) += // line
 x   & & > 'c' 123456789 ( -> 12L  f(1,2)]%  12L 	 0x1F  .  
 y ? // line


 z &  .  
 z[30]+ +^=  .5 ==a\
bx} .  x=1; %;a\
b} 1234567890  > >=&& 1u 'c' > >= >>
   -->== 1.5  
/* start */ x
\
w (alpha_beta_gamma_delta L"ws" .5  0x1F /* c */& &  12L  f(1,2) (2) __LINE__||
\
w%   defined + + 
 y 1u } defined 1u   0x1F  
#if 1
q
#endif
 0  0  }- "s"!= 12L  L  1u  07   alpha_beta_gamma_delta 
 y+ +  0 (2) %> >=< < LM) ;   .  == 1.5 'c' _asm_not 
a.*bLname(7) -   x 9\
9 + +
 y 1u  f(1,2)^=
 < <&& - LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1  .5  ;-\
>> >=>>  1.5 M<Lnamex  . [30] L'w'  9\
9  
\
w"s" s.x
 y%-- f(1,2)   
#define M 1
 .5  &  .  9\
9  x=1;x 9\
9 a.*b: < < ? 12 L"ws" 
 L %s.x  1u 
#if 1
q
#endif
 >>
\
w{? +=
/* start */ x<xM 1234567890 -> a.*b>(7)  0 , &&  0x1F   .5  (7): 
#if 1
q
#endif
 :: 
/* start */ x^= int (7)||  .5  .5  &
#define M 1
x=1;<defined ; int  1.5  M-> 12L  -&&  .5  &&- -;| ~] <+=intLname  0;f(1,2)
 z % alpha_beta_gamma_delta& & ...  .  L"ws"  
 z 
    %x,|] [30]==|| 4e5  defined ? 4e5  __LINE__ += 
#define M 1
%^= 	 int  0x1F  ( :: 
 z  0; - - 1.5  12  {
~||   += 0x1F   12L   0  == 123456789  -\
>	 s.x ;?{&&
#if 1
q
#endif
) (2) 4e5 a.*b x (7)+=a\
b  12L 
#if 1
q
#endif
 	
 z - - ;-\
> /* c */alpha_beta_gamma_delta 
#define M 1
<<= :L"ws"// line
+= ::
#if 1
q
#endif
int 1234567890  :]( <int ,  9\
9 
/* start */ x
    ||L 
/* start */ x 0 --   07 ? s.x LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 9\
9  123456789  Lnamedefined__LINE__ .5 L"ws" 1.5  (7) < <:+ +-\
> ; 
 - - ==ML f(1,2)& & 4e5 _asm_not< xL L'w' (  9\
9  0;>> 1234567890 
    !=	& && 12 (2)]{-\
> 1u  
 zL'w' __LINE__  0;a.*b +\
= ~ L"ws" 12 [ LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 ->a\
b+=
    ::& &^=- - & & (2)(7) 
 y  4e5 !=::  1u 
#if 1
q
#endif
 s.x &x=1; 
#define M 1
 12  0x1F   123456789 alpha_beta_gamma_delta
#if 1
q
#endif
 'c' 'c'
a.*b __LINE__ x=1;L"ws" 
x <
#if 1
q
#endif
  1234567890  1234567890 
(7)
 +\
= & & x 123456789  	  s.x ,
\
w[30] ...   123456789 && "s" <<= 0;  . > >=  0;   123456789   0; ,+=x=1;  .5  12L > >=alpha_beta_gamma_delta > >='c' ||- - ) 1u f(1,2) 0;s.x x=1; | 0; || (7)
/* start */ x+=< <L"ws" ~ (  4e5  a.*b , ]a.*bL[30] ]  ... "s" M x=1; 
#if 1
q
#endif
-> a.*b L'w' 
\
w : ( ;  0x1F  -\
>  1234567890 __LINE__->
a\
b  12  
 - - ^= != *!=
/* start */ x~ +\
=   a.*b 
 y?& & >
   /* c */ [ -&&*  .5  x &&? + +->-\
>'c' L'w'  12     
/* start */ x 4e5 !=) & &> >= 	 
/* start */ x    4e5   0x1F  x=1;& & L
 'c' L 4e5 )?(7) 
s.x alpha_beta_gamma_delta  .  La.*bLname< < "s" a\
b&&(2)&a\
b
defined> >= 4e5  0; } 0;!=,  1.5   07   12L  > += a\
b{== 
\
w~alpha_beta_gamma_delta
    f(1,2) 'c' %~ -(^=
/* start */ x --x } & --
#define M 1
| 
/* start */ x 0x1F  <<= 
/* start */ x
\
w __LINE__ .5  f(1,2)
 07  +\
=f(1,2) (2) .  .  ==int% ; 123456789 < < L'w'L"ws" f(1,2)"s" ==/* c */< L  4e5  [
#if 1
q
#endif
'c' 4e5  > >= ==  L
 z /* c */ (2) 0; 12  +=  ->- -)( alpha_beta_gamma_delta .5  .5  >>(7) 1234567890 ^=x=1;+=__LINE__'c'  
 z== defined 12L  , 
#define M 1
%/* c */   ~ ? {-- <,<?]-- ... 	
     0 -- 0; < < (,&& [30] ~ L  9\
9 M ==&&{+\
= defined< < < /* c */ 123456789 
\
w x=1; +\
=x=1; & & +\
= 
#define M 1
 a.*bLONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1<<=;  0x1F - - %<> >=*x ^=
 z_asm_not [30]& &
 y> >= (2)-\
> [ !=L -\
>__LINE__"s" a.*b? Mx=1; %% * > s.x==_asm_not||
 12L   12 ~%'c'defined 0;:  1u __LINE__ defined
 z:a\
b } - -
#define M 1
 'c' ...  'c'< 1u defined ,>>'c'
/* start */ x > >=->"s"& 07  (~[ 
#define M 1
 x=1;  0 { += 9\
9  <<=s.x == *xint L"ws"int defined   &&__LINE__ 9\
9  
/* start */ xint .5 "s" (2)__LINE__ LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 %&& -\
> 1234567890  1.5  x=1;?>
 zf(1,2)  1u M-\
>& x||-\
>  4e5  &&[30] +=}; x=1; ^=|a\
b:
#if 1
q
#endif
 a\
bL"ws"int x f(1,2)& &+= // line
// line
 4e5 int >~ } 
'c'
#if 1
q
#endif
  .5 
 z*== 12  alpha_beta_gamma_delta: < <
#define M 1
 Lname}-\
> 
    =='c'-- x 'c' +\
= ( defined- -__LINE___asm_not{> >= ==?::Lname"s" -- 
\
w 123456789 )  07   07 --
#if 1
q
#endif
<<= []*x ->{	-\
> L"ws" .  12 > >=* "s"	 12L  x=1;<// line
{&&_asm_notLname 1.5  f(1,2)- - s.x f(1,2) 0;  07 ~// line
 ->  123456789  + +L"ws"  07 (2)>
 ya\
b
 z%  123456789  }-\
> ) + + 12L  . L -\
>
 ^=// line
 +\
=(7)
#define M 1
& 
#define M 1

#define M 1
)^= != (7)[30] defined< { > )  07  L"ws" >&&
#if 1
q
#endif
{  0x1F /* c */
    L 0x1F 
< !=,a.*b - - <<= 
#define M 1
  123456789 f(1,2)int  .5 
/* start */ x

 y ->
\
w x{L 0x1F - <<=x &&[+={
 z 1u   ==Lname% ,alpha_beta_gamma_delta  1234567890  >  'c' 0;< < 'c' // line
 07  { }/* c */+ +a.*b defined  1.5 "s" -> .5 _asm_not 
    } ...  
    } 
- <<=
#if 1
q
#endif
  1.5 (& & 0x1F  1234567890 %}
/* start */ x &&   <
   ^=== 
#define M 1
 ?"s"^= > [ - -L"ws" f(1,2)  . && ^=
   +\
= } 123456789  0x1F LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1
#if 1
q
#endif
&& & 9\
9 && 
 y ?'c'  9\
9  alpha_beta_gamma_delta ^=Lname a\
b: -\
> 'c' 1.5  1u  |
/* start */ x L||!=+\
= + +-\
> && f(1,2)
 z > ~ 
#if 1
q
#endif
  07  
/* start */ x  .5  0  {  1.5  != 1234567890 || Lnames.x ? ( >
 (7)  .5 >>[  9\
9  0;+=<<=|| [30])defined 
/* start */ x; 	_asm_not :  0;^=== ]->
 z  123456789 -> 12L   4e5  -\
>&&a\
b
#if 1
q
#endif

#if 1
q
#endif
 > >=Lname< <
  12L  0;  ...  4e5  <?  ... ~s.x< <Lname < <defined ?defined
alpha_beta_gamma_delta x=1; --
 yx=1; % [ [30] __LINE__ * 
    1234567890 -  4e5  ; __LINE__-\
> a\
b(2) "s" 0 x=1; | x ) :+ + +\
= 1u  0;==<<<=__LINE__ 0x1F  + +< < (7)+=
#if 1
q
#endif
> >=+=< < // line
 0;x=1;_asm_not
 z *  ...  0;   ... &~  07   1u  .  & &
#if 1
q
#endif
-\
>& s.xLnamea\
b{+= (7) L'w' ...  -\
>; 
 y L"ws"  > "s" 
 y }[30]	"s" &
 y- -<<= -\
> 12 - x  .5  x=1;>->||& &--( 12L -defined 
#if 1
q
#endif
a\
b%(7) 12  defined	 alpha_beta_gamma_delta- - 
s.x& &!= - -~ 12  .   12  &x=1; 0; [L'w' & &>> (7) L"ws" M== 0  
#define M 1
 9\
9 L
/* start */ x ] defined 123456789 [} s.xint )  0  /* c */  4e5  &&   ... - -+= 1234567890  < 
 z
< <[30]defined-- 12 <<=(7) {{{ 0x1F LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1(2)->    f(1,2) 4e5  1.5  |"s"L'w' )  Mdefined ^= 
 y>>"s"!= 123456789  0; +\
= LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1,(7) 
 x a.*bint &&L s.x<<=defined
/* start */ x 12L alpha_beta_gamma_delta +\
= :: !=
   a.*b< <
    .5 Lname(& &~
 y
 y- 9\
9  ~?  .5 ]f(1,2) ||{_asm_not  ]L 12L 	 ^=
 z::||  123456789   0;  0;// line
alpha_beta_gamma_delta int>>[30] 1234567890  Lname(2)  1.5 int  0 M  . - ---&&+\
=&&|| &  0x1F  x=1;__LINE__alpha_beta_gamma_delta L > >=[M(2)}>>+=int==
+=  0x1F == 'c'int || | . 
 yL"ws" :  1234567890  ?+\
=__LINE__ ~>>:: "s"defined  1234567890  M  123456789  + +	(7) 4e5  [ x
)(2)> >= 12 : int }[30]f(1,2)% 9\
9   -> 1234567890  -\
>  1.5  
#if 1
q
#endif
 0;&
#define M 1
 || > >= ||M } ] }- - [30] , && + +L'w'; 
 z +=  .  a.*b -> *!=+\
= ) < (--( // line
int ,~
 y alpha_beta_gamma_delta + + /* c */ int
\
w M
\
w -)
- * 
 y defined<<=
 z .5 // line
 
~ 0;[ 
 z M!= 
#define M 1
|| + +-> 
 y; 4e5  0;f(1,2)_asm_not?- - .  L"ws"/* c */ .  ? M>>_asm_not =='c'a.*b ->& & -\
>? /* c */
\
w[[ 
 y M L"ws" ) - - .5  | alpha_beta_gamma_delta >
 y ~&^=(7) L"ws"+= 
 a.*b	  .5 ^=*	 
:: 0x1F  )   // line
+ + 0;
#define M 1
 + +< <(7), ... s.x > >=f(1,2) -\
><<<=+=
 y L"ws"xdefinedf(1,2)
/* start */ x?&&} ? -\
> 
#if 1
q
#endif
!= 12L  *  0;  f(1,2) a.*b__LINE__+\
= 
 
 z& &| -- 0x1F f(1,2) :{ 'c'| 9\
9 - - ...  x	* alpha_beta_gamma_delta>>alpha_beta_gamma_delta ) ~ -- &&^=<<="s" 
 z__LINE__ >> > [30] > __LINE__ 
\
w x=1; 1.5 ^=
 LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 <<=|| ^= 
#define M 1
?+ +
 ,[  12L >(7)+= int  0x1F  > >=,}+ +!= ]defined< <L'w' (7)+="s" Lname ~  4e5 
/* start */ x L"ws"  0 -\
>
 y<<= ->
< 0; "s"  /* c */"s"::&&&  1.5  
/* start */ x_asm_not ->+ +
% ||Lname - - ::"s"  1234567890 	 ) 
-\
> : 1u  >; 12 !=
\
w  0; :  0;^=(2) )defined+ +alpha_beta_gamma_deltas.x <_asm_notL"ws" "s"*'c' +\
=  12  ? & & 12L  .5 :f(1,2)(L'w'  .  
== defined+= )==& &Lname 1u defined
/* start */ x[-\
> || intint <<=
#if 1
q
#endif
{ 12L 
 zL'w's.xa\
bL'w'+\
=::(7) 
#define M 1
- - } -\
>+ +- .5   ... int
; 0;+\
= x=1;] 
  12L    'c' 0;; 0  %// line
 1.5 (  . ---\
> += LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1[^=% 
   
 > >= & [
/* start */ x alpha_beta_gamma_delta(~?) ){-- 9\
9 *
Lnamealpha_beta_gamma_delta&& 1.5 % ( 07  :? 	 
 |
#define M 1
 ,-;
    ... &{ 0; ( +\
=->+\
=__LINE__ > >=f(1,2) s.xL
 z  4e5 & &
|+ +alpha_beta_gamma_delta%& &L"ws"& & |  12  int
 z& LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1  1234567890 L"ws"
 z < x=1;>   4e5 & 12 |// line
 , == ? 
 :: 1u &&^=, 
#if 1
q
#endif
 4e5 )'c' += _asm_not > >=--:: x=1; { 
 	 ?int) ^= 4e5 +=[30]_asm_not 1u s.x 
    9\
9 + + % 1.5 
#if 1
q
#endif
  f(1,2)  0;-\
>- - // line
	 
 z(2) // line
 [(2)a.*b"s" 1.5  (2) s.x
\
w>>L >> 0x1F 
alpha_beta_gamma_delta == &x=1;
   < 
#define M 1
|| 'c'  .  /* c */  0; 123456789 s.xf(1,2)M"s"
 yL% 0x1F   07 != // line
>_asm_notint _asm_not  9\
9 >>definedx=1; ==- 0  ( ]] += (2) -> 1234567890 
      "s" 
/* start */ x 123456789 > < < "s"(
 y*|| ...  defined/* c */ --== 12 ) int M  12 /* c */< <
 z 12L  - --\
> , : ...  x <<=  0 ~< < ||& &- - Lname&&"s"> >=     ... ; {] -  0;& & int 
 *
 + + int
 .  /* c */ 1u  /* c */ % ^=  ... -  0 ||	x~~alpha_beta_gamma_delta +\
= && ...  __LINE__L - -Lname 0  _asm_not; > __LINE__defined
<<=
#define M 1
 ^= 
 ::
 ...  -f(1,2) 4e5  12 __LINE__ (7),( }+ +~alpha_beta_gamma_delta+ + { 1234567890 -\
> *__LINE__  
 >>  07  >|| < <, 
#if 1
q
#endif

#define M 1
  ... 
 y ->!=inta.*bL<<= L"ws" ]* -\
>& 
   alpha_beta_gamma_delta  07 ~^=>--&&alpha_beta_gamma_delta +\
= L'w'"s" 1.5  ... f(1,2) .5 L'w'
 z!=  0;]+ + 0  
;  0x1F   4e5 /* c */: 0; 07   _asm_not
 z < < 
#define M 1
L'w'&& .  ?
& & -\
>*defined _asm_notx=1;- -L'w'? 
 y ;/* c */ 
\
w !=  
    ^= f(1,2) | +=: )
^=/* c */--
    9\
9 LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 ; x--__LINE__ _asm_not, a.*b(2) || ~  ... L"ws" s.x f(1,2)&&- 
      x--   
  ...   12L   1u *
 zx // line
 9\
9  9\
9  1u |::
   && [-> && alpha_beta_gamma_delta 0 a\
b(  123456789 /* c */  07   __LINE__ 1.5  12 [30]/* c */-\
> 1234567890 == --    -\
> alpha_beta_gamma_delta + +  1234567890   )M /* c */+= ]L"ws"& &  07 {->> >= f(1,2)(2)+ +"s"  1234567890  
 z-- L'w' {(2)s.x- -"s"-\
> 1u +=:: [30] > >=% -> (7) [30]
    > >=~{  12L  int /* c */ <<= -  0x1F 'c'&&
   &alpha_beta_gamma_delta 12  &&+ +(2)%  07 M]  0; > >= L [/* c */a\
bint+\
=| + +|^=; 0  {: || a\
b
 z  ... [ alpha_beta_gamma_delta'c' == 9\
9 !=( ||& &
/* start */ x& &
 || )^= f(1,2) || s.x| 1234567890  f(1,2)|| {f(1,2) 1234567890 L'w' 9\
9  s.x a\
b 
 zf(1,2) L'w'  1u || s.xLname } <>< 
/* start */ x :	 ]-- ::
\
w] _asm_not  1234567890  L'w'[30] 0;& & 123456789 
 y 		 Lname
/* start */ x: 0;>>
x 
\
w,!=
} + + // line
L"ws"? != >>  0x1F   07 | f(1,2) 'c' /* c */(2)  0 - 
/* start */ x 
    
// line
L"ws"// line
  1.5  -- . { & x=1;
 *~ LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1_asm_not+ +'c'
   -> :: 0 LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1-\
> 
 y int ]&&x=1;==    ...  Lname||+ + 9\
9  -- ->[& 0x1F  
 M'c' 12L >> (7)? "s" 0  L'w' 	 0;  9\
9 
<(2)==f(1,2)  1.5  <) > >=, )|| :: f(1,2)< <, 
 - - .  + + 0;  0; 1.5 >> <<=)*ML'w';- - &&  .5 
 z ::%]__LINE__ 12  * x] x 4e5  alpha_beta_gamma_delta ?~ ||   0  
#define M 1
 += _asm_not- ...   ... 
\
w   07 a\
b , s.x+ + 9\
9 , .5 Lname/* c */_asm_not f(1,2) & 123456789 
/* start */ x .5  --):& &!= }__LINE__ __LINE__
#define M 1
L)+= <<= int 
 z 0 	 == ... defined 
\
w+= 0  _asm_not
 __LINE__int +=
\
w/* c */a.*b "s" 	-> 123456789  
\
w + + 
 9\
9   9\
9 'c'   &alpha_beta_gamma_delta: 
/* start */ x  0x1F x=1;__LINE__ ~ .5   .5 + + M 12L %
 z  1234567890   0x1F x +=: f(1,2) > // line
 123456789 L"ws"%|| (7)a\
b 
#define M 1
  1.5  12 LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1
#if 1
q
#endif
 - alpha_beta_gamma_delta  1u -> <<= == 07 a.*bM%- ^=?Lname> ; 12L L"ws"!="s"& &&x=1;==/* c */:LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1- L'w'L'w'  12 & & 07  ::  | alpha_beta_gamma_delta - -!= + + 	-- defined  ... a\
b 1234567890  !=->  12  - L"ws", 12L 'c' &&
#define M 1
 
   <  0 f(1,2) 
 alpha_beta_gamma_delta// line
defined ->>+ + 	 12  
/* start */ x  ... [30] <LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1int  1234567890 /* c */[LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1	< <&&] {s.x< < 12L  -> --
#define M 1
	s.x(  4e5  07 __LINE__ "s"
#define M 1
 
#if 1
q
#endif
}| 'c'[ 'c' 1234567890 <<= -> }// line
  123456789 'c' % . - 
\
w  & ? 
/* start */ x Ma\
b== .  1.5  'c'& & ~|| "s" 
   
/* c */ ?]  12L  
 z// line
 xint> >= f(1,2) } . }_asm_not[ alpha_beta_gamma_delta 0x1F ==
   [30]} 
\
w{ || ,) 12   ...  ||  0;f(1,2) 12 & & 1.5  + +x ? {>intf(1,2) x* -\
> /* c */  0; < 
#define M 1
-\
>L [30] 1.5  
#if 1
q
#endif
 == >|| :_asm_not  123456789   1234567890 
#if 1
q
#endif
 
#if 1
q
#endif
 +=  4e5  (7), defined & 
\
w  123456789  4e5  [30] // line
 [__LINE__
 z  a\
b 
\
w{  0 -M]|| ^=  1.5 "s" >> 07   4e5  
/* start */ xdefined  07 ,>> a\
b
 ->>>LLONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1
\
w 9\
9 < int .5  L 
/* start */ x} int- -* 	 alpha_beta_gamma_delta+=::a.*bL==
\
w  0;!=   >> M-\
> 0;;[ && "s" Lname_asm_not 
 z+ +['c' 12L   1.5 
/* start */ x(  1.5 __LINE__-
    __LINE__(7)%f(1,2) *
#if 1
q
#endif
  !=  4e5 
 (7)  > x=1; LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 -- 
#define M 1
 - ~^= 12 & & +=~~
 y-- -\
>  ... M+=[ 
   
 y(2)  ...  	 -
    s.x&&;(7) -> x=1; <[30]  0  _asm_notL"ws"( 1234567890  0; a.*b
#define M 1
^= 
    x=1; ,[) L'w'
 y^=Lnamef(1,2)  123456789  } *!=-\
>M 9\
9  )< <> 
 > :: 1u  9\
9   0x1F a\
bLname .5 --LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 >>>a.*b,  07 definedL'w' - +\
= 1u  ||x=1;< < & && L // line
 ;defined: 4e5 (7))--int  0;==  
/* start */ x /* c */LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1% +=!= > >= 0 	 07 "s" 
#define M 1
   'c'  1u  ~&&x=1;|| 1234567890  4e5 -(2) __LINE__ 	 ||   > %&/* c */  .  ML L"ws"||+= > >=< < 1u -\
>==L'w'> >= 
  123456789   07   1.5 ==::& &[30]> >= ~ x^= ^=  123456789 s.x 
 zalpha_beta_gamma_delta?'c'
\
w_asm_not !=
#define M 1
  9\
9  123456789   .  
\
w 1u  defined intL
 y  .5 ? 
#define M 1

    1.5 a.*b x=1;
\
w[<<= 0; !=- -~ ]   +=    & &'c's.x(
/* start */ x  
/* start */ xL"ws"  0 
\
w? (2)-- a.*b a\
b --defined __LINE__% LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1->"s" 0  /* c */ 	__LINE__ int  1234567890   1.5 <<=// line
<LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 int< Lname~ 123456789 ||defined < %M~ 1234567890 (7) 
 y< 1.5 { ints.x 
    	 ...  , && 07  < ... )int-\
> +=~ ::} 12L :: ||-- "s"|
 yL"ws" 
#define M 1
 ||||
#if 1
q
#endif
 ~/* c */>>	
 y ==

/* start */ x || 1.5  /* c */  4e5 ~ > >=
#if 1
q
#endif
 . % a\
b__LINE__ L'w' ; 4e5 - -  _asm_not,  123456789 != a\
b} [30] > alpha_beta_gamma_deltaL"ws" 0  - - (2)::   +\
=LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1[30]%|& &
/* start */ x * 1234567890  12  a\
b <<=alpha_beta_gamma_delta--
 z&&-   1234567890 (7)-x=1; (7) .5  123456789  12L >> ? L"ws"+= - - 
#if 1
q
#endif
 'c'{ 	 
#define M 1
? defineds.x  .5  && L'w'
\
w &&(2) _asm_not[30][30] a\
b defined) 0;'c' ?s.xa.*b 1u  alpha_beta_gamma_delta 07 != ] 12L  LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 | > }>L"ws" > L"ws"  0  9\
9 alpha_beta_gamma_delta>>M
 z-M- ;& & x=1;// line
+ + s.x'c' -- a\
b  .5 // line
 { s.x    // line

; & + + 123456789 }( ; <<=> >= . ]  123456789  & &  .5 >> /* c */  ... defined  1.5 > >=< < 12L L}  .5  ?
 y <<=
*
>
#if 1
q
#endif
L+\
= .  1234567890 'c' 
 z (a\
b&M  1.5  -\
> +\
=L"ws"
#if 1
q
#endif
alpha_beta_gamma_delta }]   .5 s.xL 9\
9 ~ _asm_not%a.*bL'w' f(1,2)// line
/* c */ (7)]) 1u  }<<= 0 <-|| ]
 z ^=!= |{x=1; 
 z alpha_beta_gamma_delta >~(2) :: 9\
9 <(f(1,2)  0;M x  1234567890   12 Lname
/* start */ x  ^= --  0 [
#define M 1
 "s"(7) ; &  (2)->
| :: Lname  .  (7) _asm_not!=||
#define M 1
&&> >=   Lname  9\
9 Lname+\
= 
 y:- > >= (2) > >= x ) > -- defined 1.5 alpha_beta_gamma_delta { 0 -- )>> 12  // line
+\
=_asm_not~ 
#define M 1
/* c */
/* start */ xx=1;; L"ws"xLONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1>  9\
9 
/* start */ x&& < int] 
#if 1
q
#endif
 __LINE__ 'c'/* c */ <<=[30] & & (2)< < // line
 &&a.*b-- <'c's.x
\
w  (7) _asm_not
\
w L"ws" { LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1
 y :&& /* c */ 9\
9  [30]_asm_not (7)x=1; a\
b &&( f(1,2)&& 	 % a.*balpha_beta_gamma_delta  1.5 [30]::L"ws" __LINE__
/* start */ x+ +[:: a.*b-\
>>> ) 07 %L"ws" 'c'M    07  | -\
>->
 z* 12L  >> ^=L"ws" [30]- - a.*b 
 y L'w' -- 0;
/* start */ x .  a\
b <<<=|~ --x=1; .   07 ] 	  1.5  s.x
\
w 0;-> <<= 1234567890  - - ]+= [30]defined  0; || <<=-: &Lname 9\
9 ->> >=L'w' 123456789 -\
>L"ws"  1.5  . 
#if 1
q
#endif
 -\
>x  12L  "s"(7) /* c */==, 4e5  1.5  defined 
 z{  1234567890  +=<<=)  -> 4e5  1u  1u   123456789 %  123456789  +===L 1u  >::
L"ws"(7)+=, 1u ,L -\
> 'c'[  1234567890  - - 12L  0x1F  a.*b(2)
 0x1F  % (2) + +??;< << <<=
+ +&&
 y/* c */ <<= ->/* c */  0;LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 !=  0; /* c */M
 != /* c */(2) "s"
- -& &s.x 0x1F  .  <<= f(1,2) L"ws" ^=(7) .  ;,? == >> 07 --"s"_asm_not 0 a.*bL ;+ +// line
Lname{==| 0  LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1](2)  1.5 (7) 	
\
wL 
 y -<<=
/* start */ x M > >=>>s.x < < /* c */ ...  9\
9  
#if 1
q
#endif
-definedx[30]M 0x1F  . [30]_asm_not~||!=  ...  == & & 9\
9  -\
> 0    	 --
   &&+\
= (2)  07 > >=; 
/* start */ x
 z 
 y __LINE__~'c'
#if 1
q
#endif
    
 z
 y + +x a\
b  07  ( -> +\
= &&L 0; - - 
    9\
9  + +f(1,2) 1u  1u (2) x=1;	 ^=    
/* start */ x 0;LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1& // line
 <<=- - 
 z|  12L   1.5  != _asm_not+= > - "s" 
 y 
   
#if 1
q
#endif
 0;(-> .5 | L"ws" { int /* c */-\
>  12  4e5  a.*b ] LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1  07  >> 
 z 1.5 <<=^=  ... 
\
w ?[30] alpha_beta_gamma_delta* x 4e5 (7)
 y 0x1F  1.5 <<= 
#if 1
q
#endif
'c' --LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 <  07 
/* start */ x L"ws" 123456789  (7)[
#if 1
q
#endif
defined> >=  12L - -
    
 
/* start */ x  12  ^=  9\
9 != 
 
#define M 1
 07  x alpha_beta_gamma_delta	 :f(1,2),"s"<<=La.*b defined L"ws"
   == 
 y  1.5  
#define M 1
*!= "s"s.x(2) 0;> L'w'"s"> >= < < ... :: /* c */+\
=-> * != ... 
    & 12L  int!=LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 1234567890  12  ->[x
 y^= 0; && :: 9\
9  
#if 1
q
#endif
 . -->>-] L
% 0x1F ? [  4e5 [30] defined 0;  9\
9  1u & [^=  0;a.*b  0;M(7) L-	 +\
=  0x1F :/* c */ 0 | 0x1F // line
--"s"
 y  -\
>   0 )== { )
#if 1
q
#endif
  . ] < < & } 0x1F :%  .  ?  12  12L %f(1,2) ?| ~  1u [ ) && -> == [30]||alpha_beta_gamma_deltadefined_asm_not !={ > >= -- _asm_not<  1234567890 < < <  12L  
#define M 1
  .5  (7)    . M
\
w,	  L'w'[M  0; (7) ||x=1;&& -- ;'c' 1u  9\
9  % 9\
9  && - -
\
w'c'&& +=  4e5  <<= - - <<= ... -- 07  })    a\
b 1.5  // line
+ +>>LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 ; 'c'L"ws"int,  a.*b/* c */Lname>>  1u int--  0; <x=1;
  1u   .5     ::  0 &x { ? ,L'w' - && a\
b(2)->
#define M 1
int  . "s" >> < < .5  [ __LINE__& &  [30] <<=)
 z 
 z
#define M 1
alpha_beta_gamma_deltaL'w' Ldefined  07   123456789   123456789  123456789 +\
= 
\
w 	> >= [ M&& // line

 x=1;  ...   12L  xa.*b    +\
=
\
w defined;L"ws"
#if 1
q
#endif
-x-- 9\
9  <<= +\
=(L*) *"s" __LINE__ ~ & &:: s.x:Lname   -  s.x|| ->
 y ^=}, 
/* start */ x(7){"s"alpha_beta_gamma_delta 
\
w [30]
 +=, 9\
9 defined &->+= 0;+=]  .5 
#define M 1
x>defined[30] 1u 
#define M 1
? +='c'- - x &__LINE__->L"ws"==!=&+ + 123456789 ::  4e5 > >= 
#define M 1
 !=:(7)  123456789 
\
w x=1;->  1u  1234567890  f(1,2)%
 -    ]+=  .5  defined"s" < <x  123456789 // line
*  . defined 0  ^=int  12L && }M -> defined% 
\
w  .5  "s"&>>
 zL'w'+\
=LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1  . 
#if 1
q
#endif

#define M 1

#if 1
q
#endif
-- > >= __LINE__ * [30]  0x1F  L |!= // line
 
   a.*b<<=LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 L'w'%-\
>< <  !=^= 12  ( L-> 0x1F  'c'L"ws"  0x1F [30]  ...   ] 

 y ^=
 y ||
-\
>% 1234567890 ;  123456789  alpha_beta_gamma_delta _asm_not  0x1F  -\
>x& & &&  .5 
 z|
#if 1
q
#endif
  .5 
 z } & &alpha_beta_gamma_delta:: a\
bx=1; 07  (7) s.x -\
>L  ,^=[
/* start */ x-\
>M
\
w) L  9\
9  . 'c', 
#if 1
q
#endif
:: alpha_beta_gamma_delta LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1f(1,2) + +  :    defined }+= >> 1.5  1.5  ==// line
]-f(1,2) 12L alpha_beta_gamma_deltas.x LnameL"ws"x=1;-\
>,// line
 a.*b 1u    1u 
   	 ~ 9\
9  [30] s.x!=[ < :: "s"< <  12  <<=+\
= 1234567890  L
#if 1
q
#endif
=="s"-> ^=|+=+\
=_asm_not 12L "s" . 'c' .5 a\
b 
} ,] a.*b: 
\
w~& &
 z 'c'& MM
\
w 'c'a.*b > >=
#if 1
q
#endif
> 12 Lname:-\
> 1u <<= ||
 yM::L"ws"  ...  ::<Lnamea.*b?
#define M 1
&& 1.5 --[30] ...  __LINE__< <]|| )"s"
/* start */ x 123456789 -\
> +=  
/* start */ x--L"ws">> & &% 1u __LINE__
 
\
w// line
 || }( +\
=?
-\
> % 0  Lname 0x1F  == 12  
 L"ws"::// line
-- . > >= ) || L'w':: // line

 
 1.5 x=1; LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1'c'f(1,2)^=& - -"s" f(1,2) [30] 
\
wM'c'
 z'c' 07 L_asm_not-- a\
b x<<= 1234567890  < <x=1; .5 L+ + M( - - 12  1234567890  .  /* c */!= (% 07  L ::  123456789 {(7)(2)[30][30]__LINE__ Lname 123456789 
::M Lname{% "s"  123456789 L"ws" .5  ...  & &Lname& 1.5 'c' __LINE__   __LINE__;< a\
bint  ...  123456789 ||
 a.*b  < <x=1;:^=*"s"a.*b f(1,2)/* c */ __LINE__   ; (7)( x  .5 
\
w - -< <
 y LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 1u == % & &>>{ 
\
w& 123456789 L'w'  9\
9  ...  & &  
   s.x LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 'c' ->]? 9\
9 ^=  12  <); +\
=~> 0  )  .5  _asm_not ;^= ?  1u , 4e5  "s""s"  9\
9 a\
b L"ws" .5  'c' defined . M  12L 
 y'c'    
-> ) 
   
   ?   1234567890  1.5   
    ^= a.*b(7) 
/* start */ x
    - ->> 
 ] alpha_beta_gamma_delta 
\
wa\
b s.x <->||-> ]
 12L  f(1,2) -- - -> a\
b  1u /* c */ [30]
    
/* start */ x(7)/* c */+ +  07 -\
>(defined &&> >= ][30] && 12L L ?L"ws"  0 & & Lname x- - 9\
9 L } 9\
9 
LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1<[30] x=1; -- 
   
/* start */ x 0x1F  ::
 zLname
 y (7) f(1,2) ~&&::? int& 
 yintLname 4e5 (7)>>+\
= 
 y& & 
/* start */ xx 	!=
/* start */ x 1234567890 ^= ;  9\
9   0x1F --_asm_not; 07  ||	
    ::^=-\
> ] -
    
    > >=< < ] a.*b== 1u += .  0   .5  - -< <M // line
 'c'
f(1,2)
\
w 12  [   ? &+\
=: > >= 0x1F  int 123456789  1u  123456789 < < 07 ->	"s" 1234567890 f(1,2)x=1;?  0 
   != 
#define M 1
::  07  __LINE__ +\
= 1.5  s.x "s" L"ws"M 123456789 {-> .5 L
#define M 1
"s"	 123456789 [(7)-\
> 1234567890 a.*b M .5 (7)  .5 :?  12   123456789 _asm_not ::  1u   0  ->  12L  &&/* c */; x=1; 'c' - - x 1u   0 [ }// line
  1.5 [L"ws"?a\
b 1234567890  
\
w 12  LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1[  
 z% L"ws"  0x1F 
  07  <<=> >=  ? ]  .  123456789  int x=1;Lname ( (
+= == M  .5  *-
int^= :  1.5 !=  1u   __LINE__ >[ +=& & 
 L'w'  0   1234567890 :: >< 
 y  
\
w 0x1F >> 1.5  
/* start */ x   +\
= .  
/* start */ xL x=1; L// line
%
#if 1
q
#endif
 4e5  L"ws"	 a.*b ...  >
x=1;  (7)a\
b LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1[30]?
,;==  07 ]	 ^= & & ){a\
ba\
b ...  +\
= > >=-\
> 
\
w 'c' 
   > >=  12L   9\
9  1u  alpha_beta_gamma_delta defined 0  ]
 yL'w'
/* start */ x alpha_beta_gamma_delta x=1;
#define M 1
/* c */  ... & (2)[Ms.x 
 * && <<='c'  1234567890  
#define M 1
LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 
   & && & :: :: ,  [/* c */xint    
 y x[ML
 y  07  >> ]  07  __LINE__ ||[* x=1; % .5  .  -\
>& & <<=+\
= (7)  1u  __LINE__ 'c'  1234567890 
#if 1
q
#endif
 1u x+ + 0;|| [ -> L&&--  0 [30] L'w'->  ] - --- -Lname'c'< <:"s"] alpha_beta_gamma_delta[30]| *  ...  1.5  +=(2) 0 x=1;  12   ... & &[  4e5   12L  123456789  
 z
 z+ +~L'w'  . ?'c' f(1,2)
 != 
 z&& + +,+= 
 y  0  ...  L  0 +\
=
#define M 1
defined f(1,2) 9\
9  >> ]alpha_beta_gamma_delta> int ?  12 
 z L 123456789  ; s.x 1234567890 - -) a.*b[30] -> __LINE__'c' > >=% - --{ a\
b
 0;
\
w 0 
 & 12 > >=[ ,  .  0; 0   12L 
    0; ~!= + + | a.*b;, --? ...  0;  4e5 
#define M 1
 ;a\
b _asm_not'c'!=> >= ?L 
#define M 1
s.x||&&__LINE__ // line
< <'c'; 1234567890 'c'M
/* start */ x .5 == (7) 12  0   .  alpha_beta_gamma_deltaL__LINE__  123456789 LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 "s"+ + | & & 07  0;}[30] -^= 
/* start */ x[~  a.*b } ) ::< <   
M] ^=]::-- x=1;>(2)// line

#define M 1
 [30]  4e5  	-\
>+ +__LINE__
/* start */ x

#define M 1
 
 y  .5   123456789  0;
#if 1
q
#endif
(2)[  .5  1234567890   : defined& 
!= 4e5 L"ws"> L"ws":: 1u  'c' && 'c'
#define M 1
 9\
9  - 
/* start */ x? a\
b ,  0x1F   1.5  & &(7)
    ^=int  12L  07 +=a\
b  ...  % 
#if 1
q
#endif
+ +  12L 
 : 123456789 L'w' &  0x1F + +  1234567890  -> 12L L+ + += :  12 * 12 L"ws" a.*b[30]} > 
    f(1,2) -- 1u  0;  0;+=  9\
9 >>L'w'  .  || ~ Lname } 

&&"s" ... != ?L &&  .5  a\
b -x=1;&->::  9\
9 & &?|
Lname^=] defined ==int definedL'w' 
:    
[30] 
 /* c */ <? < ;x L }s.x;/* c */ > >=>> != 0;;  07  1.5 
\
w
 y 
/* start */ x- 
/* start */ x 4e5  /* c */ .  f(1,2)    == :& &
 alpha_beta_gamma_delta[30] ([30]__LINE__
 0   123456789  
/* start */ x:: s.x>> // line
 ... x=1;>> x 	 &, & & 
#define M 1
 -> a\
b<<= + + 
 z 
 zf(1,2)L"ws" +=&[30] ^=,
#if 1
q
#endif
% - -a.*b__LINE__alpha_beta_gamma_delta-- 0    12L  ( intL'w'f(1,2)_asm_not 12L  int  1u  
    /* c */!= f(1,2) 
#define M 1
 -,
  ...     
#define M 1
 ]&]^= 0;x 9\
9  }
     12  0 : % + +L"ws"+= 12L ,__LINE__+\
= 'c' ;  defineddefined a.*b?-> <__LINE__int  .5 + + 
    { + + ;  . ~ )  1.5  < + +f(1,2)-\
>  1234567890  123456789 < <L &_asm_notdefined int
 ||_asm_not  1u   9\
9 L [
#if 1
q
#endif
 ,!===
#define M 1
  1u ,
 z__LINE__<<=  4e5  LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 12 x=1;==[ 9\
9 && 
#if 1
q
#endif
+\
=>__LINE__ 
    alpha_beta_gamma_delta + +Lname%-<<= 12  9\
9 | x=1; -- .5   .5 L'w'  12L ,x -> }
#if 1
q
#endif
 +\
= 4e5  int } a\
b [__LINE__ L'w' :_asm_not [30]* L"ws">> >=== 1234567890 s.xL 0 'c' 0;"s" 1u ]+\
=
    :// line
(7) - -  %int
 123456789 { += <  9\
9   4e5 - (alpha_beta_gamma_delta) x ... (^=LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 | <LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 :  :: s.x ;  0x1F  }*  1234567890  x=1;]; /* c */ 1u  int> >= 1.5 {  1234567890 
 // line
 1.5 alpha_beta_gamma_delta  9\
9  x 'c' f(1,2) &&^=  4e5  123456789  <  12L (7)  + +a\
b
 y>>	{ : 'c' 1u  Mdefined - 
 z
   
 zLONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1< <__LINE__ 
#define M 1
 1234567890  !=|+=<<=L"ws"a\
b*<<=&& LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 .5  
#define M 1
== 07   . defined--  123456789 'c' :  1234567890  ; 123456789 } 07  }    
   ~
( L"ws" alpha_beta_gamma_delta < 
 z (2)  ...  Lname ; } (2) &&> >=& &*[ |/* c */> ;<L: (~ 
/* start */ x && . ]  1234567890 ==~  ):+\
=
   
 z-\
> 0;){[s.x /* c */
   // line

   [30]// line
/* c */ 1u > >= 
/* start */ x } 07  :: ...  a\
b // line
(2) 
    a\
b < <  1.5 ? - - 
#define M 1
^= 0x1F  , 
\
w%%_asm_not 0 - -  4e5 // line
 'c' __LINE__  .   12L  _asm_notint 
& & < <- - 07 < <)< - -[ 0x1F  )x=1; ->L'w' __LINE__ 
#define M 1
a.*b/* c */  12  M  9\
9 ||,^= } 1.5  1u Lname { >>%->x=1;( 0; && // line
a.*b +\
=M(
#define M 1
 . x=1;< < &&|| { a\
b(::} xint{ ( 
 y {__LINE__  0 x=1;%|| != ~   ,
 <: < 0x1F < < alpha_beta_gamma_delta, 1.5  ... // line

#if 1
q
#endif
   s.x  M x=1;== .5  Mx |
 yL L"ws" :: !=  1234567890  >> 
#if 1
q
#endif
  ~]
/* start */ x
\
wLname[  07  1.5  
#if 1
q
#endif
  12L  a.*b 
 0  12  
/* start */ x  ... a.*b(7)LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1[L: a.*bs.x -\
>
#if 1
q
#endif
"s"	 < < 12L - - 0;--  . -\
>-- ||!=!=>[30]  0  L"ws" && 
#if 1
q
#endif
__LINE__ }& &"s" __LINE__ -\
>~- -}"s"_asm_not}
/* start */ x 12L  ];)  1u 	 0x1F ><<= (*  0; 0; ( <<=// line
x  07 ==  123456789  ,a\
b(7)-- 
 ya\
b 9\
9 -> 123456789 __LINE__?)	  4e5 < +=}<* <<=L"ws"  9\
9 +\
=^=  0 !=
 4e5  12 x  .  ]f(1,2) 07 ?> >=::
 ]__LINE__ & &L"ws"  9\
9 || :: 
#if 1
q
#endif
  12  & &->& &>intL -- 9\
9  
 [30]/* c */&x=1;  07 :  123456789  'c' LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 (7)>>[ { < <  12L _asm_not   a\
b
 yL"ws" |  07 (7) + +f(1,2)[30]&? 12L +\
=[  123456789  Lname <<= 0; // line
 1234567890  'c']x  a\
b a.*b
 .5 LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1
#define M 1
, 
 z+ +--  9\
9  0   ... Lname  1234567890   .5  (2),
(2)  M > >=  1.5 a.*b!=
#define M 1
// line
  4e5  , /* c */ 12L (7)x 4e5  4e5  + + a\
b (7) <M>-	] 
\
w 0x1F ] ==(-\
>  0; 12   1u  *
s.x 07 ] __LINE__ (2)s.x "s" ~int "s"alpha_beta_gamma_delta  0 L"ws"}+= { || }"s"/* c */ 123456789 <<=--L"ws" 0; 
#define M 1
 
}L'w' <x  || a.*b . } ;xLname <<= + + & & 12 __LINE___asm_notL"ws" // line
  4e5   1234567890 ^=definedf(1,2) 1234567890  1u 
    L'w'-\
> 
#if 1
q
#endif
&&// line
 +=-- 
 1234567890 [30]
     123456789 s.x Lname  1u [ a.*b) ^=,"s"__LINE__ * >
#if 1
q
#endif

defined-> L 0  > >=^= 
/* start */ x  4e5    1u L"ws" ) > >=// line
 a\
b 	 
  123456789 
 Lname( 0 LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 L!=:- - > >=^= ( |
/* start */ x 
#if 1
q
#endif
 + + 9\
9 ? .5  
/* start */ x  
 ydefined 1.5  "s"-( [||&& ] +\
=/* c */ ^=)>% 1u  a.*b    123456789  L"ws"&&[30]x? ^= // line
} /* c */LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1<f(1,2)
/* start */ x_asm_not 07   0x1F *LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1? <LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1[-- +=  1u f(1,2) .5  ^=
 y
 >>
:[30];!=<& & , x=1;
\
w a\
b  a.*b &_asm_not(7) LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 0  *  12L  12L L'w' // line
< 07 
 z<<= ... :: * ... LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1<<= (2)&& 
   (  4e5 >>||(7)L 9\
9  
/* start */ xL"ws" .5  ?(7) 0  
  0 |_asm_not 4e5  (2) <<= --  123456789 ->:: += 9\
9  + +x>> 	 , x=1;  4e5   .  { 07  
#define M 1
 LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 1u - -
 ->  07  ~ a.*b// line
 M==x+=  .5   12  ... ::}; 9\
9  s.x*~ ::::a.*b 1u }  s.x
/* start */ x += Lname 
#if 1
q
#endif
 ; 'c'/* c */"s"
 yf(1,2)L==  += [< <__LINE__   | 	 // line
defined:  >]( +\
=-\
> != ~ 
#define M 1

/* start */ x -> s.x 123456789  Lname- -
Lname
  1234567890  ] 0;--~_asm_not 
\
w > >=[ [30] &&
#if 1
q
#endif
  1.5   1u  defined ~L+ +<  . (2){intM 9\
9 alpha_beta_gamma_delta,  M Lname :: 'c'  0;{a.*b 
#define M 1
-| alpha_beta_gamma_delta f(1,2) 
#if 1
q
#endif
; , L"ws"- -'c'),->< <  'c'<{>>- -
// line
 1.5  > >=  9\
9 
#define M 1
int(2)]
 z 4e5 Lname% += 1u > >= f(1,2) (a.*b,xa\
b; int__LINE__ 

   
   __LINE__ 1234567890  .5 s.x 
 123456789 -\
>  1u   9\
9  x=1; ?L"ws"? < L L"ws"* 4e5 ==
 y ,<<=
 y  == M "s" 0x1F // line
  0; + +  07  
\
w-- f(1,2) 12L  0x1F  f(1,2) _asm_notL'w' ? .5 [30] 1234567890 ( .  L"ws" 'c' 0;> >=   a.*b     0;// line
&&>> L"ws"> >= LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1x=1;
\
w< <) * &&&(7) . (2) --& && &)	 0  {
 y != 
    1234567890 +\
=&& alpha_beta_gamma_deltaM , 1.5 ::L'w'M *  0x1F  9\
9 ^= "s" ,"s" ::+= < < +=
   ( // line
 +=
#define M 1
 +\
= 9\
9  
 z 
 z>> ~(2)"s" 'c' ,
#define M 1
 ... L'w'
\
w+=s.x ^= |LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1-> 0;defined<<=;)// line
 a.*b*defined 9\
9 L"ws"

    ^= .  4e5 -  9\
9   1u  ? || ...  9\
9 != ]int 
\
w,
 !=L'w'  4e5  _asm_not 
 yalpha_beta_gamma_delta &&  1.5 * &&<(2)
#if 1
q
#endif
 a.*b
    !=-\
>
 z} s.x] _asm_not } & .5  _asm_not 
 (7) == 
/* start */ x^=
) 0  x s.x /* c */ < & & M a\
b 4e5  !=/* c */ "s"  0   ==  1234567890 +=+= a\
b|L % - -)<<=a\
b L"ws"?> >=(2) defined% 1234567890  &&- -}  ...   07  123456789   1u /* c */ ;s.x ^= "s"  12L  
/* start */ x/* c */L 
/* start */ x 0x1F  ,L'w' f(1,2) 
 y->& &
#define M 1
// line
 --+=)
#if 1
q
#endif
[30] > 'c'  ...  % L Lname/* c */{ L"ws"+ + ( 1.5  ||<<=L'w' 
~	  1234567890   .5  12  < +=>    
 'c' (7)  07  : 	 -\
>  07 
     9\
9  
 y   s.x 0; {
) 0x1F L"ws"-- & &&
 y
'c'
/* start */ x,  9\
9  ... 
 z LnameLONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 ^= (7)  LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 L"ws" ] | alpha_beta_gamma_delta /* c */== -  .5  __LINE__L'w'  0;x-  07  _asm_not"s" 
#if 1
q
#endif
 x[30] < Lname != &&%s.x -- (7)
 z% s.x ( __LINE__ ==>>]
#define M 1
 . - -^=?  (2) 12  >>  1234567890  }(
 z }>>[30] 0;;<<= * a.*b _asm_not 0;{>>a.*balpha_beta_gamma_delta 	    -\
>// line
 L'w'- 1234567890 +\
=int > >= 123456789 	_asm_notLONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 ] alpha_beta_gamma_delta % Lname 07 ?< < 
#define M 1

#define M 1
  ]   .  !=>> // line
[ 12 // line
  *!=& & .5  ) &x;
#define M 1
 a\
b . (7)__LINE__& & 'c'
#if 1
q
#endif
 < < <->] | L'w' : > >=& &s.xa.*b  1.5 ] (2) ,  12L  
 y ?+= &alpha_beta_gamma_delta alpha_beta_gamma_delta> >= ...  > > >=]
    1234567890 -\
>> ,   &&
/* start */ x L"ws":[ ==
+ +  s.x   >> 
    |  1u ^= ?, /* c */ -- L"ws"
#if 1
q
#endif
&& L'w'~
L"ws" ^=
 12L // line
 (2) --||  123456789   .  07 - 1234567890 'c'!=> >= 1.5  + +&^=// line
 9\
9  || .  || [~} 0x1F  & 
#if 1
q
#endif
 < { 
#define M 1
:: 
\
wint () & & 0;{
/* start */ x-\
>LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 * 1234567890  'c' != LnameLname+\
= int 0 'c' *(7)- & &> >=
#if 1
q
#endif
&&  ... 	 
#if 1
q
#endif
 f(1,2) 
#define M 1
'c'||a\
b 'c'] % __LINE__ L'w'* (7) >~_asm_not     07  1u  %
 y< &// line
  -\
>!=__LINE__  
/* start */ x  ...  
 ya\
b
#if 1
q
#endif
&&+=Lname==-\
>< 	 M 
#define M 1
& "s"--
 int--alpha_beta_gamma_delta  .5  ^=;
    . + +L
  1u  _asm_not[ 1.5 M

\
w  123456789  | 1u - -> 0x1F < 123456789   0;Lname  1234567890 L"ws")< < L'w'| 123456789 intL'c' :: 
__LINE__-- int 07   __LINE__ (7)  +\
=
\
wa\
bLname  9\
9     ...  
 y&&< f(1,2) .  += .  (7)   >{ & *<<= 12L  }  alpha_beta_gamma_delta 12L  [_asm_notLONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 +\
=
#define M 1
 
#if 1
q
#endif
-- 12 
/* start */ x  0x1F ( [ :: 
     1234567890 !=  .  >>[30] x=1; += ||- !=alpha_beta_gamma_delta & &%%;alpha_beta_gamma_delta -  12L  defined
 [30]:  0 x  0;defined --& 9\
9  ^= ~>>x=1;(2) L"ws"==&&~[ <<=% a.*bL& ] :L'w' a\
b .5 a\
b intf(1,2) }  9\
9 (2)  07  L'w'LnameLONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 -- 9\
9 >> + + 
 
#if 1
q
#endif
 Lname	 :+= a.*bL'w'a\
b:
 z>  0x1F  ?
#define M 1
 ] &  0  (_asm_not  07 (7) 0;
 ,[
#if 1
q
#endif
<  1u [30]
    > >=[
 ydefined 12 -\
> _asm_not    9\
9  :}Lname"s") { // line
< definedx=1;  4e5 L"ws" L"ws"- -  ... 
 z -\
> + + /* c */ { 1u   12L f(1,2) /* c */:: ::
 y_asm_not<%LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1; 'c'{  0 /* c */
 ys.x s.x== +\
=]--; &__LINE__
 z(,"s" ;intLONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1) 	 /* c */ 123456789   );-> s.x
 <<= == alpha_beta_gamma_delta /* c */<<= int_asm_not& & 
     07  ]& &-% ?]L  . ~ [ 1.5  
#if 1
q
#endif
- -__LINE__
   
 
\
w  0x1F  +=:  1234567890    +\
=} 12L  .5  12  > >= .  
 (2) += || + +alpha_beta_gamma_delta  1u : 0; + + ]?  . (2)--& %L==!= f(1,2)  0;L +=Lname
 z M f(1,2) ...  12L  0  < 'c'~   L"ws"); 0    
 y( 
\
w :!= >& 0; +\
= 12 x  0;L
> >=a.*b== // line
int- -a.*b 123456789 // line
 123456789  alpha_beta_gamma_deltaint -\
> 9\
9  -> ;|| M== :: - - > ?[30] 
#if 1
q
#endif
 L"ws";  4e5 a\
b& &x=1;L  0;?__LINE__ 123456789  ;
   defined __LINE__(2)x=1; __LINE__-\
>< &&; 1u 
 z ->
 y
 _asm_not L'w' { > >=
\
wdefined ==  *
 __LINE__)] 1u 	: "s" 4e5  >> 123456789 > >=
 zL'w' 0; 1u  . a.*b"s"a.*b Ms.x<<=
 z  1234567890  a.*bL"ws" 1.5 < intalpha_beta_gamma_delta x=1; || Lname> f(1,2) M 1.5  - -^=)* & & /* c */ "s"'c' * .  
#if 1
q
#endif
 1.5 L"ws" [*+=; /* c */( )a\
bs.x 
#if 1
q
#endif
 
 1234567890  ?  ...  0x1F [
/* start */ xx & 
\
w-L'w'>!= LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 , 0  ;& &&& a\
b & &// line
-\
><<=x__LINE__<<=  07   1234567890 &&||  .5 int + +:  ] /* c */ %(7) ::  12L & 9\
9 
 ->alpha_beta_gamma_delta *  0 -\
>
#if 1
q
#endif
defined:alpha_beta_gamma_delta  ... < <alpha_beta_gamma_deltaLONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 a\
bL"ws" & 1.5  defined ?==>> , +=  12L   :::^=)+= _asm_not 
/* start */ x* defined== 
/* start */ x 07  == // line
alpha_beta_gamma_delta :: ... L'w'{ %  ... ^=definedx=1;  0  - -: ~ 4e5  1u &&~: 1.5  
\
w< <
    & & ...  .  != 
 z defined ;M - 12L  - - * {  123456789  _asm_not 
#define M 1
/* c */L'w' : !=
#if 1
q
#endif
  || L'w'_asm_not    < <__LINE__ 
 <  M 
 
 y(L"ws" int[L'w'-\
>a.*b  .  ^=  123456789   0   12L - -
 z  0 
 +\
=  12 
L'w' + +  0;   1234567890 "s"    4e5  1234567890   ... (7) ->~==L{ --] 9\
9 __LINE__   s.x!= 
-\
> 
     1.5  123456789  
#if 1
q
#endif
 M 
!=  1234567890   07 (7) x=1;// line
L'w'| Lnamedefined  < < & %
#if 1
q
#endif
 (Lname -> +\
=
#if 1
q
#endif
LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 --xa.*b%
> 
 
 y:M [L 
\
w 123456789  ... 	
\
w,a.*b? | ==x=1;[->% alpha_beta_gamma_delta .5 ,|   12L L"ws" + +
 y < <,  ... &-: L'w'  0; +=	L"ws"- -- 0 
    ;== ... ~"s":: MLname defined &&
 > >= 12L  != ;] // line
 LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1) 'c'[
 z^=int 12  alpha_beta_gamma_delta
    < < |
\
w ? 07 -\
>"s">>-> defined

#define M 1
| 
    	~  9\
9   0;< +=  07  12L ==| _asm_not( L"ws" 1.5 <<= ->/* c */  9\
9  .5 > >=
	/* c */  1.5  (,  123456789  (< <'c'L"ws"-\
> +\
= ||int *_asm_not 123456789  1.5  
#define M 1
x=1; 	  0 >:: x	 	  ... + + __LINE__ 123456789  "s"+ + 0x1F 
#if 1
q
#endif
&&  ...  }<^=  . - -\
> f(1,2)+ +& &  9\
9 !=
\
w{- 07 
#if 1
q
#endif
% ...  :: .5 & ?({  1u 
 ys.x /* c */ x=1;	  0x1F (2) a.*b 1234567890 Lname ^= 'c'( 1234567890   12 ;
// line
<+=
 y  1234567890   9\
9   12   12  ] 
\
w[ + +_asm_not&&  4e5 ) & 
#define M 1
 ::intalpha_beta_gamma_delta- -^=
    ...  ::s.x x 0x1F // line
 ) 0;L"ws"// line
L'w' /* c */^= (7)alpha_beta_gamma_delta  L"ws" +=
  . ^=)  4e5 
    M ~ 1u ^= L"ws" a\
b 
\
w~
#define M 1
||(7)  12   . &&- -/* c */[  ...    9\
9 "s"x=1;x=1;[30]->- -[ 	 ?__LINE__ }  1.5  -\
>L .  ^=- -  0x1F  a\
b  1u  4e5  ,:definedf(1,2) --Lname->  123456789 _asm_not{+\
= :: L"ws" )
\
w L x 1.5 +=
&+=> >=  0;- - - |		 1234567890  ~~
/* start */ x  ...   1.5   4e5  ...  != ] 
? == "s" 
 x=1;  07  07  ) {~- ~ - -a\
b
 z>^= a.*b( - -< < __LINE__(2) <<=s.x 
 y 
#if 1
q
#endif
+={ ) 	__LINE__- 
#if 1
q
#endif
 (7) "s"+ +
/* start */ x (s.x ) ?> >=
#if 1
q
#endif
M( >  07  12L  ) -> 'c' 12  1.5  ] _asm_not__LINE__[30] 0 
defined 1234567890 s.x 9\
9  
 12L 
 y::
 y'c'
   < < <<=alpha_beta_gamma_delta  0; 
   x
\
w& &- -
 z!=L"ws" % LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 
 y +=> >=  a.*b
 z&&--+ +  0;
#if 1
q
#endif
- -[ ) M(7)(7)s.x /* c */<<=a.*bL'w'
 z[ ... ?> >=* -- =='c'>+ +(2)  *  1234567890 __LINE__ -> _asm_not ...  "s"  0  1234567890   12L  123456789 ) a\
b == < <L"ws" 12L  1.5   . 
    <<=
   >~ & &[/* c */ 12L > >= ,- -int -==&> "s" 
#if 1
q
#endif
 >> 0 & &  9\
9 <<= 'c' 

#if 1
q
#endif
M >> {  4e5 L"ws"defined 0; 
#define M 1
 123456789  -\
> // line
 }// line
 & &< <f(1,2) L'w'  12 // line
 1234567890 :a\
b L"ws" |,+ +->
 z 'c'? [L'w'defined + + +\
= "s" [30] f(1,2) +\
=

#if 1
q
#endif
[  >> /* c */M 1u   _asm_not_asm_not 12L  +\
=+=int 
/* start */ x] 'c'< < ; 1.5 __LINE__ a.*b[ * . ::|->> >=	a.*b L'w'
    -> defined
#if 1
q
#endif
& &||!= (7)f(1,2)~ ]& &<
 07 :& & }defined M=='c'::defined  (2) (7) L'w'x=1; LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1ML-\
> | { 0; - 07 
   : 1u  // line
 	- , )  .5 || 123456789 ;|  0; > >= 
#if 1
q
#endif
-\
> f(1,2) )	> // line
 a\
b
   Lname  != 07 (2)  L)>< < 1.5 > >=// line
  0x1F ~~ ->& &LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 alpha_beta_gamma_delta ,   
/* start */ x _asm_not
 yLname 'c' xL'w' [30] 
& & .  07  + +_asm_nota.*b 
/* start */ x(7)< > ~s.xLname !=  1u ( M (7)>>defined -- 	  12L < <(7)
 z::
    int  4e5 ; { 1u    
- [30]Lname|| ; ( [  ...  ~- - & & ; != &&  12L -\
>; ?] 0x1F  _asm_not & &?> >=  123456789 M(7) }[ <<= ...  
 z+\
= a\
b += &&a.*b } "s" ==  .    s.x--(7)<<= (   1u "s"  ? 07  *> >=  ==[30]&M .  [Lname (2) - 
 z 	+\
= 12  --x=1;  ] a\
b )> >=  123456789 
 LL"ws" a\
b-LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1  1.5 ( 
#define M 1
-- 
x=1; 07  /* c */+ +    1234567890  1234567890  ?- -f(1,2)int|: , f(1,2)< < "s",:: ( 	*; a.*b ]-[ 123456789   07   ...  )--< <M+\
=
#if 1
q
#endif
+ +
    a\
b 12L   1u      12 > >=[ 07 * - - 12L & & x=1; 'c' !=  07 "s"-
/* start */ x> .5  ;  0 Ma\
b  ) 
/* start */ x ?+ +  9\
9 x=1;(  12L  
  1u  07 x
\
w
#define M 1
 
>
#define M 1
( 07  "s"L'w' +\
= , < < // line
<<="s" .  0  :: ? & & - - 12L  <<=  12  
     123456789  
 z x=1;(7) && 1.5  & ;
/* start */ x  .5 a\
b ==]
 z > >= ]  12 < ]
 1.5  -\
> 'c' ; // line
f(1,2)defined (2)+= { ->-  4e5  * *"s"> // line
 
 z (2)
    >'c'	- --s.xx __LINE__+ +<<=  07  
 z 
#if 1
q
#endif
(== {{?( inta\
b += 1u   0x1F (7) 1.5   
 z
\
w %<<= ; & &,+ + x=1;L'w' <
#if 1
q
#endif
  9\
9 _asm_not   12 
 yL'w' -\
> -\
> != < 07 &s.x{ ; 12 ]f(1,2) 4e5  != ]a.*b > 123456789 -\
> > >= 
#define M 1
 < << << < L 
 z  9\
9  9\
9 < < ~ 1u  : 4e5  & &&&{ +\
= 
 defined->
 z& x 
     4e5 )|| :: 'c'^= }L"ws"[(2) 123456789 : 123456789 ~ ^= ?& < 123456789 "s"
#define M 1
>,  1234567890  L'w' ) a\
b  . |(2) [ 
   Lnamedefined'c'L'w' &	x (7)"s"__LINE__	< <LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1	 1234567890   1.5 (2) 
#if 1
q
#endif
 f(1,2)<<=+= LLname~ 
\
w== defined Lname ( > >=(2){_asm_not  123456789  a.*b 1u 
     07 L"ws"
 
#define M 1
)  9\
9  ;M+ +/* c */ 07  :: + +
#define M 1
 M ? > 1234567890  int:: > >=s.x
/* start */ x
 y/* c */)== [30]
#define M 1
+ + 
#if 1
q
#endif
 12L (2)L
+ +  
#if 1
q
#endif
  123456789   ...  Lname
/* start */ x a.*balpha_beta_gamma_delta& defined+= (2) 1234567890 
 z-
   &&  12L ~  9\
9 -- .  - &||alpha_beta_gamma_deltaL 4e5 a.*b <<=[L > >=- 
 z  0x1F  12L   4e5  1u  12  < :   } L _asm_not/* c */+ + 1234567890  - (2)
/* start */ x  07  0  12L  <<= :: LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1  0; 1u // line

   < <  12  0x1F + +  -\
>-\
> 0;== })x=1;[     ...  defined // line
& &~ 
   x=1;	 defined&&%< <+=_asm_not <<=  0; 0  -\
>  1.5  |  07   4e5 ::
   alpha_beta_gamma_delta||  123456789 { "s"  9\
9 L -\
>L __LINE__ 
// line
& &   alpha_beta_gamma_delta 4e5 "s" + + f(1,2)<    0 
#if 1
q
#endif
 1234567890   9\
9 
#if 1
q
#endif
} ...  %
#if 1
q
#endif
 
 __LINE__ 1234567890 
#define M 1
 &  123456789  9\
9   ... +\
= <<=< <{x=1;& & ::(|& > >=%  1234567890  9\
9  1234567890 [30] a\
b s.x 
#if 1
q
#endif
 12  0  123456789 [30] 1u  - > .5 [  . (7) f(1,2)& &  12L L"ws"  . & & 
/* start */ x>> 12L alpha_beta_gamma_delta 123456789    &&<> >=: 	  .5  & &&&|-\
>M
 . (2)-- 	 0 :(7) 12 defined-> (2) M LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 (a.*b > >=L ?	^= int( }- 1.5 _asm_not  07 /* c */  .  /* c */ 1234567890 >> ?(7)// line
 .5 :: s.x-> 4e5 &&  12L   9\
9 * -\
>& & M  0; * ? > >=
#if 1
q
#endif
L'w'M; 'c':: +\
= (7) 
 y  .5  9\
9 
/* start */ x} 
(2) x=1; 07  _asm_not ::>> 0;(
 y- -,|  1.5 [  123456789  - ==)[30]<<=
#define M 1
 (  1u  f(1,2)'c'== !=  4e5  [30]  0x1F  f(1,2)  9\
9 |LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1!=!=x-\
>
 -\
>(2)alpha_beta_gamma_delta "s"M // line
 
 
 z (7)>> (2)	 
 & &
 [30]  ~ 12 	  ...  
/* start */ x 12  x ]/* c */ && 
   & 9\
9  < 9\
9   9\
9  	  1.5 <
 z 
/* start */ x   12  & &% 0x1F , M< <// line
)  12L > >=L'w' 
&&-- : |/* c */-
 % >>+\
=  1u  .5 L'w' s.x'c'>> -\
>_asm_not 'c'__LINE__ 12L ]+\
= --  0  0x1F 
 z
 za.*b-__LINE__ .5 % 0x1F 
#define M 1
  1u  defined < <->!= .5 s.x a\
b/* c */ Lname> >= _asm_not }alpha_beta_gamma_delta[[>>  123456789  1234567890  < < ;__LINE__ 
 z - - [30]x=1;Lname ::  0x1F  ... +=;^=  4e5  ~ 
#if 1
q
#endif
  1.5 M->] 1.5 M  0x1F  +\
=
/* start */ x^=s.xs.x > >=+\
=
 z  1234567890 x=1; 
+ + MdefinedLname :: 
/* start */ x+\
= 0 + +  12L   1u   4e5  	 4e5   0 != 	^=  12 a.*b && ?==  M ]
#define M 1
 --+\
=- -defined& &) LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 ,+=-> f(1,2) 1u  alpha_beta_gamma_delta M> >===-- 4e5 : (2)> >> 0x1F  ^=+ + 1234567890  int 1u  -> (2)  12L  Lf(1,2)&&< < : & &  1u  
[30] ( -a\
b    __LINE__[30]>>{ 12L > >=!= 12  ->  1u + +s.xs.x 
 y_asm_not a\
b  1234567890 /* c */ ->* 
    -\
>== M 1234567890 & & 
#define M 1
 . +\
= (2)< <  1234567890  - - alpha_beta_gamma_deltaLname :<<=
  9\
9  L x 
> >= Lname+\
= 12L --< < 
 y  1.5  ^= ;x
   (7) 12L  ;~ %_asm_not& _asm_not:  4e5 /* c */
/* start */ x 
\
w f(1,2)_asm_not  123456789 ==, "s"s.x f(1,2) 0 += != . L"ws"/* c */x=1; 
#if 1
q
#endif
%[30]< <> >=)~ >  12L LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1
 z<<=+ +
(7)>> "s"<int
  4e5 s.x 07  (2)int > x=1;
 z
#if 1
q
#endif
 ... L"ws""s"- -% 9\
9  
#if 1
q
#endif

\
w  0  [30] 
#define M 1
 12  1234567890   & &  0 ] 123456789 - -|| , LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1int 
   __LINE__* ::L'w' ?  1234567890  4e5  LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 // line
  1.5 __LINE__L"ws" 07 --(2) x=1; 'c's.x )->"s">>  0x1F LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 --)_asm_not
   'c'% 
 zx=1; 07 LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1
    !=x=1;alpha_beta_gamma_delta defined 1u defineda.*b }->-\
>
#define M 1
Lname	^= < <-\
> 
   ,
#define M 1
 |
 y s.x] 1.5 <<="s" |	 ...  4e5  
#define M 1
 9\
9  <int||>> ( int &&( <<=- - /* c */ 12 
 y 12 ) s.x . 
 _asm_not 1234567890 ^=	 & & 4e5  |-\
>
 z ||  4e5  x=1;~ - 4e5 LnameLONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 M{x=1;  >>  
 z(7)!= || <<=&& 0  07  12L : ->] 1234567890 defined 
 z _asm_notx < < ... 
\
w&& L~     & &;a.*b  1u  ...  1234567890   1.5 ? > 1234567890 * < <LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1defined^=  1u &&< 
 y 
 z{ +\
= (7)  07 - -> >=}[30]& & L"ws"	 .5 'c'> >=(  0;x=1;; 1u  ; 12 ( 
 y  ...  _asm_not /* c */ defined ;| a.*b== > L'w'  4e5  
#define M 1
< < - - 	>>>> ^=?s.xx=1;  123456789  == **  0x1F  &&  1.5 (2) 
    > >===// line
--- -_asm_not;> >=-- ::*L"ws" -< _asm_not  ... 'c' 
 y 07  s.x? :::  .5 ; 0  'c'<< <  0; 12  >  ...  
 L'w' alpha_beta_gamma_delta<<=defined
#if 1
q
#endif
  <<= Lname  0;{ 0  1.5  'c' Lname< < - -< < 123456789  ... (7) x 07 x & x=1;Lf(1,2) x % (2)
/* start */ xs.x/* c */ 0x1F L'w' L'w' +\
=defined
 1234567890 x 
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
/* start */ x_asm_notf(1,2)  L int |- -  .5 ]LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1(7) 07  &defined  07 <<=  0x1F (2) . s.x a.*b:: LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 (2)  0x1F ~,  07  0; 07 } 1234567890  %Lname -; ==, int
#if 1
q
#endif
 1234567890 > >=a.*b 'c' & & ||/* c */ 0x1F & &__LINE__  .5  123456789  defined(/* c */||== /* c */ [30] 123456789  Lname alpha_beta_gamma_delta- ... && x=1; || (7)L"ws"< < 1u  123456789  x 123456789 _asm_not
#define M 1
 |   a\
b . ?Lname &&{ .5 _asm_not 07 , -> (7)/* c */&  9\
9 alpha_beta_gamma_delta ] + +] 1u ?
_asm_not^= ; { ... 

 z , 	 ...  [30] // line
: < <
#define M 1

/* start */ x  += [  . += !=<<=  123456789  M 12L   .5 s.xL'w'
 y||int 
 zint~>> /* c */
 z+= 4e5  
#if 1
q
#endif
 /* c */M 
 z 
 y ^= - 1u  L'w'// line
// line

 z:: 
/* start */ x
 % M 1234567890  0x1F  _asm_not +\
= --,   alpha_beta_gamma_delta__LINE__]]	::, ) a\
b (7)	|
\
w __LINE__ 0x1F 
 yf(1,2)    0;   == 123456789 : (2) ... :x=1; L"ws" ?  .5  __LINE__ , 
)&&[30] 'c' 
\
w
/* start */ x  0; -- (2) LnameLname^=
 y[ ...  1.5 
#if 1
q
#endif

#define M 1
  	, 123456789 
 z 4e5  a.*b   & &&&int  4e5 -\
>!= < 0;
, 
 s.x
 z L"ws"a\
b|  1.5  9\
9 ~-- +=^= 
 z__LINE__ int 0; || <<= 
/* start */ xs.x
/* start */ xdefined 07 += M(2) .5  
 z [&
\
w[}-\
> -\
> 1u definedM 
 y ||%+\
= :Lnamea.*b .  L'w' == 1234567890 /* c */ s.x <^=alpha_beta_gamma_delta 
   ?f(1,2)^=-- :/* c */|"s" 1234567890  07 [>>M 
 ||
#if 1
q
#endif
% 1.5  }-> {|| &&'c', 
#define M 1
f(1,2) (2) _asm_not/* c */~%|&&LnameL _asm_not
#define M 1
(7)} 
 z M 123456789   9\
9 'c' 
/* start */ x _asm_not
\
w 0  'c' ==< < 
/* start */ x || 4e5  // line
]>>x 0x1F   07  /* c */,Lname 
 z^= + +
#if 1
q
#endif
 ||:: 9\
9 'c' a\
b 0x1F + + 
#define M 1
 < <  07 
 
#define M 1
 0x1F  >>
 y + + ? 0 == 07   0;&(7)} -- .5  ;~
#if 1
q
#endif
 LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 -- [ == > >= 1.5 [(7) { _asm_not 123456789 -\
>- 0x1F  // line
 ? :  0 
   M ? 
    /* c */"s"
/* start */ x+= 
\
wint|| x=1;_asm_not+ + 
 y ^=alpha_beta_gamma_delta 123456789 L"ws" (7)
 & &% 
|| 
\
w; 	 12  <defined
)-  ...   12 
\
w||  0 
#define M 1
 _asm_not	  4e5 
 zs.x+\
= alpha_beta_gamma_delta+=+ +> >=
    < <- - >> a\
b 1234567890 ] 9\
9  ==;int
? ||< -\
>
 zL'w'&&>>&&+= s.x + +>>% 
/* start */ x-- /* c */  1.5  'c'> L"ws"
+\
= x=1; & &a.*b 4e5 x=1;} -- 
/* start */ x 12L 
\
wLname
#if 1
q
#endif
 (2)L 0x1F +\
= - - 12  _asm_not 12  <&[a.*b
#define M 1
  0  
 y <<=)f(1,2)  9\
9  ==  07 } 
   ==(2)'c' ]  .5  -> !=
   L %[30]< <  9\
9 L'w' 0;  12L  ->? 
      {LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 _asm_not &&?|? < < 1u && _asm_not< ...   1234567890 f(1,2): *// line
~ ;:: [+\
= >  .  %& & > >=Lname__LINE__ 12  >>: ] alpha_beta_gamma_delta/* c */ - - ? 
 z 0 ([30] M  . ^= 

 0x1F    +\
=  1.5  == [30] L  1u LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 1u f(1,2)  4e5  */* c */-\
> 	< <x=1; &&(7) int(2)==
 z'c' int*> [30]||
 y 0x1F  
 y 0  a.*b 1.5  ;  0x1F  07  12L 
#if 1
q
#endif
L"ws"<::  1.5  > >= __LINE__ ]"s"  0  ( 
#if 1
q
#endif
 { f(1,2)-
 z -&&<
\
w %  123456789  != 	 ) 
 ->a\
b ::    1u   12L  -- } == 
  . 
     4e5  12L a.*b<<= xL"ws"
\
w &a.*b  9\
9  ]"s"!= 
\
w 
~
#define M 1
(2)alpha_beta_gamma_delta
  12  x -- += 
#define M 1
 ... -x 0; + +  .  >>==( ->/* c */a.*b - -{ -a\
b, /* c */>> ; (7) 
 z: . == & &LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1[ < < [ ... a\
b && (2)!=(2)
 z__LINE__ 
 y ...  > >= 1.5  ML'w'>> [ LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1+=::L'w' 9\
9  07  __LINE__"s"- -<// line
 alpha_beta_gamma_delta%    1.5    && 4e5 _asm_not
#if 1
q
#endif

 z x)_asm_notM _asm_not :& & .5 : 12  } , 1234567890 L'w' }^= - 
 LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1__LINE__/* c */ 1u ~[ LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1^= "s" 
    alpha_beta_gamma_deltaL'w' --+ +L~ int |L ] - -<<=&L"ws">> 12 
   ||
/* start */ x
 +=alpha_beta_gamma_delta  1u  4e5 -\
>:
 z--  .5   
#define M 1
 <<= .5  alpha_beta_gamma_delta // line
  07 < <defined 0;LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1& & 
/* start */ x[30] ( != x M %a\
b alpha_beta_gamma_delta ]  .  -> . + + a.*b+=- - // line
 || (int 0;a.*b  0 M  1.5 & & (2),< < +\
= a\
b ; [30]"s" { ... x=1; -> 0; 12L a\
b 1u  .  
 y   !=  12  _asm_not   [ ;) [:: 
#define M 1
  07 int+\
=int -\
>[ 
 za\
bf(1,2)> >= (7)(7)| :? -& & ~ s.x 1u s.x 
 yf(1,2)^=
 y+ + +=   	+\
=/* c */L"ws"a.*bx=1;--== _asm_not
 z  0x1F 
     { 0; ,|
/* start */ x(7)||<<=  9\
9 -> -  12L 
 z L"ws" & &:: 0; + +
#if 1
q
#endif
 & &/* c */ 0;[30] 	__LINE__| (7)
/* start */ x  12 &&  9\
9 ,(7) a\
b (7) 12L  L a.*b x=1; L'w' x=1; 12L "s"+\
=,  0; [
/* start */ x// line
 ... f(1,2) % 
\
w+=(  123456789 a\
b ,  1234567890 
#if 1
q
#endif
a.*b 12  9\
9 M M||  1234567890   0   _asm_notL'w' 123456789     ]
    
 y (2) a.*b + +s.x <<= <  1u  (7) .5  
#if 1
q
#endif
 :  .5  && >> 9\
9  !=	alpha_beta_gamma_delta"s"
< < definedx"s"-L'w'- - +\
= 
  ...  12L & &  0  1234567890 (2) % 
  9\
9  +\
=s.x< <
== >> __LINE__ : +\
=& &== 	 /* c */ || 9\
9 x=1; | ?defined

 'c' 9\
9  ~  9\
9  [a.*b	L"ws"  0x1F /* c */  07  0; 
/* start */ x'c' ->
\
w, <<= 0 [alpha_beta_gamma_delta __LINE__ x=1;| 1234567890    M&"s" +\
=> >=[30]  1234567890  * 
s.x 
__LINE__L == .  
#define M 1
}&, 
    (2)<<=   - -+\
= 
#define M 1
 && < LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1{ (2)( > >= < <x=1;  1234567890   ...  + + 
 z .  (2) a\
b& & ... 
/* start */ x -\
> 
/* start */ x>> > (2) L  123456789   0;Lname 
#define M 1
 -\
>&&M ) + +& & -}  .  < <alpha_beta_gamma_delta&&(7) ==x> +\
=L | .  
\
w
 & 9\
9  + +// line
 12L } 12 a.*b -> 9\
9 + +/* c */	a\
b  1.5  123456789  'c' ? 'c' a.*b &&]-int % 	 /* c */+ + 07  > 1234567890  |
/* start */ x!= (7) a\
b+=
#if 1
q
#endif
 . 
defined 1u ] L'w'} <<=-\
> ::// line
 
 z>> ^= 
#if 1
q
#endif
  1234567890  >> 0;  0;&&LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1
 1234567890 defined
    :defined  0; 07  
 y & &   Lname->
#define M 1
  1234567890    int ]>> -\
> 'c' ^= 
/* start */ xa.*b -
\
w	  a\
bdefined| int (2)== 12 - *L , == :: 1.5  (7) L"ws" 12L 
     1.5 **%// line
a\
b 12 >
\
w 
/* start */ x: 9\
9 <<= 07  += ~ ) 0; 1u s.x L"ws"  07 
 y ->?;&& int 12  
\
w^=>>x <
LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1M [&& int
#define M 1
  12     9\
9  LL'w'|<  07 -> - __LINE__ <<= L"ws", L ~& 0 
 zalpha_beta_gamma_deltaM ~LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 0x1F  (7)a.*b == // line
s.x}L'w'~ ^=
!={ 0  Lname  1234567890   07    ~ ( 4e5 
/* start */ x 
#if 1
q
#endif
 123456789  += ::	& 1u 
  0;__LINE__ ... Lname
/* start */ x - - 123456789  // line
  1234567890  <- -s.x
#if 1
q
#endif
&  ...   12L    .   9\
9 < < 
\
w _asm_not  & &|_asm_not 123456789  ( ...  12L ] ...  
 z-+\
=__LINE__ 	 .5  < < 1u  9\
9 ~ L"ws" 12L  
 yx+=&  1.5  1u  LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 
/* c */ | 07 
-	 /* c */
#if 1
q
#endif
f(1,2) s.x }*|+ +?~ a.*b ||alpha_beta_gamma_delta L  1u !=*  0;  4e5 s.x
 
#define M 1
+\
=::+\
= -\
> ^= ~* ...  9\
9 +\
= 0x1F 
#if 1
q
#endif
 < <M
( . L'w' } 12L [30],?- -~  .  Lname     . <<=L'w' != int~ >int 123456789 [ .5 x=1;  07 
/* start */ x // line

\
w
 z  ... __LINE__ : 
   , != <<= 12L   9\
9 
#define M 1
"s"( 
   ] 	;:: 1234567890  x 07 // line
> >= ;  
 y<:( s.x> >= 1u   07  _asm_not  12L 
#if 1
q
#endif
{"s" a.*b  0; ( 4e5 int && // line
 07  -|| __LINE__ + +^=f(1,2) 1.5 // line
  4e5 LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1M< ==  9\
9 <<=LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1  0x1F   .   .  1u [ )Lname [30] 12  a.*b M 1.5  ]} : ] int  12  + +> >=	"s"|&&- - (}-\
>  12L && xLnamealpha_beta_gamma_delta[ + +&&^=>>( [30] L"ws" 	( .5 [ 9\
9 + + &[30] 
\
w| Lnames.x> 1234567890  
 z  0; 
   +\
= 9\
9  x ...  
    &~x L ::> >=& & ><
/* start */ x M 123456789    - -:
#define M 1
 123456789 __LINE__[(+=L"ws"   - - >(7)*>  1.5  +=_asm_not 4e5  M -\
>:: f(1,2) 1.5  .  // line
^= > >= .5 [ .5  Lf(1,2)< < 9\
9  ^=
 z->f(1,2)x LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1
